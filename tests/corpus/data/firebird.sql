-- Real SELECT statements in Firebird/InterBase syntax (SQL dialect 3), taken
-- from Firebird's own documentation and examples, with their sources.
-- Each statement ends at the first line whose last non-blank character is ";".
-- See tests/corpus/README.md for how they were chosen.

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/employee.sql.gz, query of CREATE VIEW phone_list (IPL-1.0)

SELECT
    emp_no, first_name, last_name, phone_ext, location, phone_no
    FROM employee, department
    WHERE employee.dept_no = department.dept_no;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/api/api3.c.gz (IPL-1.0)

SELECT last_name, first_name, phone_ext FROM phone_list         WHERE location = 'Monterey' ORDER BY last_name, first_name;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/api/api5.c (IPL-1.0)

SELECT department, mngr_no, location, head_dept       FROM department WHERE head_dept in ('100', '900', '600');

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/api/api6.c.gz (IPL-1.0)

SELECT proj_id, dept_no, projected_budget      FROM proj_dept_budget WHERE fiscal_year = 1994      FOR UPDATE OF projected_budget;

SELECT SUM(projected_budget) FROM proj_dept_budget WHERE fiscal_year = 1994;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/api/api7.c.gz (IPL-1.0)

SELECT proj_name, proj_desc, product FROM project WHERE            product IN ('software', 'hardware', 'other') ORDER BY proj_name;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/api/api9.c.gz (IPL-1.0)

SELECT job_requirement, job_code, job_grade, job_country      FROM job WHERE job_code = 'SRep';

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/api/api10.c.gz (IPL-1.0)

SELECT dept_no, quart_head_cnt FROM proj_dept_budget p     WHERE fiscal_year = 1994 AND proj_id = 'VBASE'     FOR UPDATE of quart_head_cnt;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/api/api13.c.gz (IPL-1.0)

SELECT currency FROM country WHERE country = 'Canada';

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/api/api15.c.gz (IPL-1.0)

SELECT USER FROM RDB$DATABASE;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/api/api16.c.gz (IPL-1.0)

SELECT po_number FROM sales 		WHERE order_status = 'new'  FOR UPDATE;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/interfaces/03.select.cpp.gz (IDPL-1.0)

select last_name, first_name, phone_ext from phone_list where location = 'Monterey' order by last_name, first_name;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/interfaces/04.print_table.cpp.gz (IDPL-1.0)

select * from rdb$relations where RDB$RELATION_ID < 3 or RDB$VIEW_SOURCE is not null;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/interfaces/05.user_metadata.cpp.gz (IDPL-1.0)

select current_user from rdb$database;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/interfaces/06.fb_message.cpp (MPL-1.1)

select rdb$relation_id, rdb$relation_name, rdb$description  from rdb$relations  where rdb$system_flag = ?  order by rdb$relation_id;

-- source: firebird3.0-examples /usr/share/doc/firebird3.0-common-doc/examples/interfaces/07.blob.cpp.gz (IDPL-1.0)

select first(1) b from blobs_table;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.aggregate_tracking (public domain)

SELECT
    r.RDB$RELATION_NAME,
    MAX(r.RDB$FIELD_POSITION),
    (SELECT
       r2.RDB$FIELD_NAME
     FROM
       RDB$RELATION_FIELDS r2
     WHERE
       r2.RDB$RELATION_NAME = r.RDB$RELATION_NAME and
       r2.RDB$FIELD_POSITION = MAX(r.RDB$FIELD_POSITION))
  FROM
    RDB$RELATION_FIELDS r
  GROUP BY
    1;

SELECT
    rf.RDB$RELATION_NAME AS "Relationname",
    (SELECT
       r.RDB$RELATION_ID
     FROM
       RDB$RELATIONS r
     WHERE
       r.RDB$RELATION_NAME = rf.RDB$RELATION_NAME) AS "ID",
    COUNT(*) AS "Fields"
  FROM
    RDB$RELATION_FIELDS rf
  GROUP BY
    rf.RDB$RELATION_NAME;

SELECT
    r.RDB$RELATION_NAME,
    MAX(i.RDB$STATISTICS) AS "Max1",
    (SELECT
       COUNT(*) || ' - ' || MAX(i.RDB$STATISTICS)
     FROM
       RDB$RELATION_FIELDS rf
     WHERE
       rf.RDB$RELATION_NAME = r.RDB$RELATION_NAME) AS "Max2"
  FROM
    RDB$RELATIONS r
    JOIN RDB$INDICES i on (i.RDB$RELATION_NAME = r.RDB$RELATION_NAME)
  GROUP BY
    r.RDB$RELATION_NAME
  HAVING
    MIN(i.RDB$STATISTICS) <> MAX(i.RDB$STATISTICS);

SELECT
    r.RDB$RELATION_NAME,
    SUM((SELECT
           COUNT(*)
         FROM
           RDB$RELATION_FIELDS rf
         WHERE
           rf.RDB$RELATION_NAME = r.RDB$RELATION_NAME))
  FROM
    RDB$RELATIONS r
    JOIN RDB$INDICES i on (i.RDB$RELATION_NAME = r.RDB$RELATION_NAME)
  GROUP BY
    r.RDB$RELATION_NAME;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.alternate_string_quoting.txt (public domain)

select q'{abc{def}ghi}' from rdb$database;

select q'!That's a string!' from rdb$database;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.builtin_functions.txt.gz (public domain)

select abs(amount) from transactions;

select acos(x) from y;

select acosh(x) from y;

select ascii_char(x) from y;

select ascii_val(x) from y;

select asin(x) from y;

select asinh(x) from y;

select atan(x) from y;

select atan2(x, y) from z;

select atanh(x) from y;

select bin_and(flags, 1) from x;

select bin_not(flags) from x;

select bin_or(flags1, flags2) from x;

select bin_shl(flags1, 1) from x;

select bin_shr(flags1, 1) from x;

select bin_xor(flags1, flags2) from x;

select char_to_uuid('93519227-8D50-4E47-81AA-8F6678C096A1') from rdb$database;

select cos(x) from y;

select cosh(x) from y;

select cot(x) from y;

select dateadd(-1 day to current_date) as yesterday
	    from rdb$database;

select datediff(week from cast('yesterday' as timestamp) - 7 to current_timestamp)
	    from rdb$database;

select decode(state, 0, 'deleted', 1, 'active', 'unknown') from things;

select exp(x) from y;

select hash(x) from y;

select left(name, char_length(name) - 10)
        from people
        where name like '% FERNANDES';

select ln(x) from y;

select log(x, 10) from y;

select log10(x) from y;

select lpad(x, 10) from y;

select maxvalue(v1, v2, 10) from x;

select minvalue(v1, v2, 10) from x;

select mod(x, 10) from y;

select rdb$relation_name
        from rdb$relations
        where position('RDB$' IN rdb$relation_name) = 1;

select power(x, 10) from y;

select * from x order by rand();

select replace(x, ' ', ',') from y;

select * from people where reverse(email) starting with reverse('.br');

select right(rdb$relation_name, char_length(rdb$relation_name) - 4)
        from rdb$relations
        where rdb$relation_name like 'RDB$%';

select round(salary * 1.1, 0) from people;

select rpad(x, 10) from y;

select sign(x) from y;

select sin(x) from y;

select sinh(x) from y;

select sqrt(x) from y;

select tan(x) from y;

select tanh(x) from y;

select uuid_to_char(gen_uuid()) from rdb$database;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.case (public domain)

SELECT
    o.ID,
    o.Description,
    CASE o.Status
      WHEN 1 THEN 'confirmed'
      WHEN 2 THEN 'in production'
      WHEN 3 THEN 'ready'
      WHEN 4 THEN 'shipped'
      ELSE 'unknown status ''' || o.Status || ''''
    END
  FROM
    Orders o;

SELECT
    o.ID,
    o.Description,
    CASE
      WHEN (o.Status IS NULL) THEN 'new'
      WHEN (o.Status = 1) THEN 'confirmed'
      WHEN (o.Status = 3) THEN 'in production'
      WHEN (o.Status = 4) THEN 'ready'
      WHEN (o.Status = 5) THEN 'shipped'
      ELSE 'unknown status ''' || o.Status || ''''
    END
  FROM
    Orders o;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.coalesce (public domain)

SELECT
    PROJ_NAME AS Projectname,
    COALESCE(e.FULL_NAME,'[> not assigned <]') AS Employeename
  FROM
    PROJECT p
    LEFT JOIN EMPLOYEE e ON (e.EMP_NO = p.TEAM_LEADER);

SELECT
    COALESCE(Phone,MobilePhone,'Unknown') AS "Phonenumber"
  FROM
    Relations;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.common_table_expressions.gz (public domain)

WITH
  DEPT_YEAR_BUDGET AS (
    SELECT FISCAL_YEAR, DEPT_NO, SUM(PROJECTED_BUDGET) AS BUDGET
      FROM PROJ_DEPT_BUDGET
    GROUP BY FISCAL_YEAR, DEPT_NO
  )
SELECT D.DEPT_NO, D.DEPARTMENT,
       B_1993.BUDGET AS B_1993, B_1994.BUDGET AS B_1994,
       B_1995.BUDGET AS B_1995, B_1996.BUDGET AS B_1996
  FROM DEPARTMENT D
       LEFT JOIN DEPT_YEAR_BUDGET B_1993
    ON D.DEPT_NO = B_1993.DEPT_NO AND B_1993.FISCAL_YEAR = 1993
       LEFT JOIN DEPT_YEAR_BUDGET B_1994
    ON D.DEPT_NO = B_1994.DEPT_NO AND B_1994.FISCAL_YEAR = 1994
       LEFT JOIN DEPT_YEAR_BUDGET B_1995
    ON D.DEPT_NO = B_1995.DEPT_NO AND B_1995.FISCAL_YEAR = 1995
       LEFT JOIN DEPT_YEAR_BUDGET B_1996
    ON D.DEPT_NO = B_1996.DEPT_NO AND B_1996.FISCAL_YEAR = 1996

WHERE EXISTS (SELECT * FROM PROJ_DEPT_BUDGET B WHERE D.DEPT_NO = B.DEPT_NO);

WITH RECURSIVE
  DEPT_YEAR_BUDGET AS
  (
    SELECT FISCAL_YEAR, DEPT_NO, SUM(PROJECTED_BUDGET) AS BUDGET
      FROM PROJ_DEPT_BUDGET
    GROUP BY FISCAL_YEAR, DEPT_NO
  ),

  DEPT_TREE AS
  (
    SELECT DEPT_NO, HEAD_DEPT, DEPARTMENT, CAST('' AS VARCHAR(255)) AS INDENT
      FROM DEPARTMENT
     WHERE HEAD_DEPT IS NULL

    UNION ALL

    SELECT D.DEPT_NO, D.HEAD_DEPT, D.DEPARTMENT, H.INDENT || '  '
      FROM DEPARTMENT D JOIN DEPT_TREE H
        ON D.HEAD_DEPT = H.DEPT_NO
  )

SELECT D.DEPT_NO,
	D.INDENT || D.DEPARTMENT AS DEPARTMENT,
	B_1993.BUDGET AS B_1993,
	B_1994.BUDGET AS B_1994,
	B_1995.BUDGET AS B_1995,
	B_1996.BUDGET AS B_1996

  FROM DEPT_TREE D
       LEFT JOIN DEPT_YEAR_BUDGET B_1993
    ON D.DEPT_NO = B_1993.DEPT_NO AND B_1993.FISCAL_YEAR = 1993

       LEFT JOIN DEPT_YEAR_BUDGET B_1994
    ON D.DEPT_NO = B_1994.DEPT_NO AND B_1994.FISCAL_YEAR = 1994

       LEFT JOIN DEPT_YEAR_BUDGET B_1995
    ON D.DEPT_NO = B_1995.DEPT_NO AND B_1995.FISCAL_YEAR = 1995

       LEFT JOIN DEPT_YEAR_BUDGET B_1996
    ON D.DEPT_NO = B_1996.DEPT_NO AND B_1996.FISCAL_YEAR = 1996;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.ddl.txt.gz (public domain)

select * from rdb$types where rdb$field_name = 'RDB$FIELD_SUB_TYPE';

select name from users;

select id, name from users;

select * from peoples where name like 'A%';

select next value for seq from rdb$database;

select gen_id(seq, 1) from rdb$database;

select next value for rdb$procedures from rdb$database;

select MON$CRYPT_PAGE * 100 / MON$PAGES from MON$DATABASE;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.ddl_triggers.txt.gz (public domain)

select id, ddl_event, object_name, old_object_name, new_object_name, sql_text, ok from ddl_log order by id;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.default_parameters (public domain)

SELECT * FROM P1;

SELECT * FROM P2;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.derived_tables.txt (public domain)

SELECT
    *
  FROM
    (SELECT
       RDB$RELATION_NAME, RDB$RELATION_ID
     FROM
       RDB$RELATIONS) AS R (RELATION_NAME, RELATION_ID);

SELECT
    DT.FIELDS,
    Count(*)
  FROM
    (SELECT
       R.RDB$RELATION_NAME,
       Count(*)
     FROM
       RDB$RELATIONS R
       JOIN RDB$RELATION_FIELDS RF ON (RF.RDB$RELATION_NAME = R.RDB$RELATION_NAME)
     GROUP BY
       R.RDB$RELATION_NAME) AS DT (RELATION_NAME, FIELDS)
  GROUP BY
    DT.FIELDS;

SELECT
    DT.*
  FROM
    (SELECT
       R.RDB$RELATION_NAME,
       R.RDB$RELATION_ID
     FROM
       RDB$RELATIONS R
     UNION ALL
     SELECT
       R.RDB$OWNER_NAME,
       R.RDB$RELATION_ID
     FROM
       RDB$RELATIONS R
     ORDER BY
       2) AS DT
  WHERE
    DT.RDB$RELATION_ID <= 4;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.explicit_locks.gz (public domain)

SELECT * FROM DOCUMENT WHERE ID=? WITH LOCK;

SELECT * FROM DOCUMENT WHERE PARENT_ID=? FOR UPDATE WITH LOCK;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.expression_indices (public domain)

SELECT * FROM T1 WHERE UPPER(COL1 COLLATE PXW_CYRL) = '<capital cyrillic letters sequence>';

SELECT * FROM T2 ORDER BY EXTRACT(YEAR FROM COL2) || EXTRACT(MONTH FROM COL2);

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.hex_literals.txt (public domain)

select 0x10, cast('0x0F0000000' as bigint) from rdb$database;

select x'deadbeef' from rdb$database;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.identity_columns.txt (public domain)

select * from objects order by id;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.iif (public domain)

SELECT IIF(VAL > 0, VAL, -VAL) FROM OPERATION;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.length (public domain)

select
		rdb$relation_name, char_length(rdb$relation_name), char_length(trim(rdb$relation_name))
		from rdb$relations;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.list (public domain)

SELECT LIST(ID, ':')
  FROM MY_TABLE;

SELECT TAG_TYPE, LIST(TAG_VALUE)
  FROM TAGS
  GROUP BY TAG_TYPE;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.offset_fetch.txt (public domain)

SELECT * FROM T1
       ORDER BY COL1
       OFFSET 10 ROWS;

SELECT * FROM T1
       ORDER BY COL1
       FETCH FIRST 10 ROWS ONLY;

SELECT * FROM (
          SELECT * FROM T1
          ORDER BY COL1 DESC
          OFFSET 1 ROW
          FETCH NEXT 10 ROWS ONLY
       ) a
       ORDER BY a.COL1
       FETCH FIRST ROW ONLY;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.order_by_expressions_nulls (public domain)

SELECT * FROM MSG
  ORDER BY PROCESS_TIME DESC NULLS FIRST;

SELECT FIRST 10 * FROM DOCUMENT
  ORDER BY STRLEN(DESCRIPTION) DESC;

SELECT DOC_NUMBER, DOC_DATE FROM PAYORDER
  UNION ALL
  SELECT DOC_NUMBER, DOC_DATA FROM BUDGORDER
  ORDER BY 2 DESC NULLS LAST, 1 ASC NULLS FIRST;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.plan (public domain)

SELECT RDB$RELATION_NAME
    FROM RDB$RELATIONS
    WHERE RDB$RELATION_NAME LIKE 'RDB$%'
    PLAN (RDB$RELATIONS NATURAL)
    ORDER BY RDB$RELATION_NAME;

SELECT R.RDB$RELATION_NAME, RF.RDB$FIELD_NAME
    FROM RDB$RELATIONS R
      JOIN RDB$RELATION_FIELDS RF ON R.RDB$RELATION_NAME = RF.RDB$RELATION_NAME
    PLAN MERGE (SORT (R NATURAL), SORT (RF NATURAL));

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.rows (public domain)

SELECT * FROM T1
       UNION ALL
       SELECT * FROM T2
       ORDER BY COL
       ROWS 10 TO 100;

SELECT COL1, COL2, ( SELECT COL3 FROM T3 ORDER BY COL4 DESC ROWS 1 )
       FROM T4;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.savepoints.gz (public domain)

select * from test;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.set_role (public domain)

select current_role from rdb$database;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.similar_to.txt.gz (public domain)

select * from department
    where phone not similar to '\([0-9]{3}\) 555\-%' escape '\';

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.statistical_functions.txt (public domain)

SELECT STDDEV_SAMP(salary) FROM employees;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.trim (public domain)

select
		rdb$relation_name, trim(leading 'RDB$' from rdb$relation_name)
		from rdb$relations
		where rdb$relation_name starting with 'RDB$';

select
		trim(rdb$relation_name) || ' is a system table'
		from rdb$relations
		where rdb$system_flag = 1;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.user_management.gz (public domain)

SELECT CAST(U.SEC$USER_NAME AS CHAR(20)) LOGIN,
    CAST(A.SEC$KEY AS CHAR(10)) TAG,
    CAST(A.SEC$VALUE AS CHAR(20)) "VALUE",
    U.SEC$PLUGIN "PLUGIN"
  FROM SEC$USERS U LEFT JOIN SEC$USER_ATTRIBUTES A
    ON U.SEC$USER_NAME = A.SEC$USER_NAME
   AND U.SEC$PLUGIN = A.SEC$PLUGIN;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/sql.extensions/README.window_functions.txt.gz (public domain)

select
    id,
    department,
    salary,
    salary / (select sum(salary) from employee) percentage
  from employee
  order by id;

select
    id,
    department,
    salary,
    salary / sum(salary) over () percentage
  from employee
  order by id;

select
    id,
    department,
    salary,
    salary / sum(salary) over (partition by department) percentage
  from employee
  order by id;

select
    id,
    salary,
    sum(salary) over (order by salary) cum_salary
  from employee
  order by salary;

select
    id,
    salary,
    dense_rank() over (order by salary),
    rank() over (order by salary),
    row_number() over (order by salary),
    sum(1) over (order by salary)
  from employee
  order by salary;

select
    id,
    salary,
    first_value(salary) over (order by salary),
    last_value(salary) over (order by salary),
    nth_value(salary, 2) over (order by salary),
    lag(salary) over (order by salary),
    lead(salary) over (order by salary)
  from employee
  order by salary;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/README.Optimizer.txt.gz (public domain)

SELECT Count(*) FROM RelationCategories GROUP BY CategoryID HAVING CategoryID = 5;

SELECT Count(*) FROM
    (SELECT RelationID FROM Relations
     UNION ALL
     SELECT CategoryID FROM Categories) dt (ID)
   WHERE
     dt.ID = 1;

SELECT Count(*) FROM
     Relations r
     JOIN RelationCategories rc ON (rc.RelationID + 0 = r.RelationID + 0)
   WHERE
     rc.CategoryID = 3;

SELECT * FROM
     Relations r
     LEFT JOIN RelationCategories rc ON (rc.RelationID = r.RelationID and rc.CategoryID = 3)
   ORDER BY
     r.LASTNAME;

SELECT * FROM RelationCategories WHERE CategoryID = 1;

SELECT * FROM Relations WHERE LastName = 'Goebel' and MiddleName IS NULL;

SELECT * FROM Relations WHERE FirstName = 'Joe' and LastName STARTING WITH 'D';

SELECT * FROM RelationCategories WHERE CategoryID = 3 and RelationID IN (123, 720, 708);

SELECT * FROM
     Relations r
     JOIN RelationCategories rc ON (rc.RelationID = r.RelationID and rc.CATEGORYID = 1)
   WHERE
     r.FIRSTNAME LIKE 'J%';

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/README.monitoring_tables.gz (public domain)

SELECT MON$SERVER_PID
        FROM MON$ATTACHMENTS
        WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION
          AND MON$STATE = 1;

SELECT MON$USER, MON$REMOTE_ADDRESS, MON$REMOTE_PID, MON$TIMESTAMP
        FROM MON$ATTACHMENTS
        WHERE MON$ATTACHMENT_ID <> CURRENT_CONNECTION;

SELECT MON$ISOLATION_MODE
        FROM MON$TRANSACTIONS
        WHERE MON$TRANSACTION_ID = CURRENT_TRANSACTION;

SELECT ATT.MON$USER, ATT.MON$REMOTE_ADDRESS, STMT.MON$SQL_TEXT, STMT.MON$TIMESTAMP
        FROM MON$ATTACHMENTS ATT
          JOIN MON$STATEMENTS STMT ON ATT.MON$ATTACHMENT_ID = STMT.MON$ATTACHMENT_ID
        WHERE ATT.MON$ATTACHMENT_ID <> CURRENT_CONNECTION
          AND STMT.MON$STATE = 1;

WITH RECURSIVE
          HEAD AS
        (
          SELECT CALL.MON$STATEMENT_ID, CALL.MON$CALL_ID, CALL.MON$OBJECT_NAME, CALL.MON$OBJECT_TYPE
          FROM MON$CALL_STACK CALL
          WHERE CALL.MON$CALLER_ID IS NULL
          UNION ALL
          SELECT CALL.MON$STATEMENT_ID, CALL.MON$CALL_ID, CALL.MON$OBJECT_NAME, CALL.MON$OBJECT_TYPE
          FROM MON$CALL_STACK CALL
            JOIN HEAD ON CALL.MON$CALLER_ID = HEAD.MON$CALL_ID
        )
        SELECT MON$ATTACHMENT_ID, MON$OBJECT_NAME, MON$OBJECT_TYPE
        FROM HEAD
          JOIN MON$STATEMENTS STMT ON STMT.MON$STATEMENT_ID = HEAD.MON$STATEMENT_ID
        WHERE STMT.MON$ATTACHMENT_ID <> CURRENT_CONNECTION;

SELECT VAR.MON$VARIABLE_NAME, VAR.MON$VARIABLE_VALUE
        FROM MON$CONTEXT_VARIABLES VAR
        WHERE VAR.MON$ATTACHMENT_ID = CURRENT_CONNECTION;

SELECT FIRST 10 STMT.MON$ATTACHMENT_ID, STMT.MON$SQL_TEXT, MEM.MON$MEMORY_USED
        FROM MON$MEMORY_USAGE MEM
          NATURAL JOIN MON$STATEMENTS STMT
        ORDER BY MEM.MON$MEMORY_USED DESC;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/README.trusted_authentication (public domain)

SELECT CURRENT_USER FROM RDB$DATABASE;

-- source: firebird3.0-doc /usr/share/doc/firebird3.0-common-doc/doc/ambiguity.txt (public domain)

SELECT
      RDB$RELATIONS.RDB$RELATION_NAME
    FROM
      RDB$RELATIONS R;

SELECT
      R.RDB$RELATION_NAME
    FROM
      RDB$RELATIONS R;

SELECT
      RDB$RELATION_NAME
    FROM
      RDB$RELATIONS R;

SELECT
      RDB$RELATIONS.RDB$RELATION_NAME,
      R2.RDB$RELATION_NAME
    FROM
      RDB$RELATIONS
      JOIN RDB$RELATIONS R2 ON
        (R2.RDB$RELATION_NAME = RDB$RELATIONS.RDB$RELATION_NAME);

SELECT
      (SELECT RDB$RELATION_NAME FROM RDB$DATABASE)
    FROM
      RDB$RELATIONS;

SELECT
      (SELECT
         FIRST 1 RDB$RELATION_NAME
       FROM
         RDB$RELATIONS R1
         JOIN RDB$RELATIONS R2 ON
           (R2.RDB$RELATION_NAME = R1.RDB$RELATION_NAME))
    FROM
      RDB$DATABASE;

-- source: FirebirdSQL/firebird-documentation src/docs/asciidoc/en/refdocs/fblangref30/_fblangref30-dml.adoc (Public Documentation License 1.0)

select id, name, address
  from contacts;

select * from sales;

select first 10 id, name from People
  order by name asc;

select skip 10 id, name from People
  order by name asc;

select skip ((select count(*) - 10 from People))
  id, name from People
  order by name asc;

select first 20 skip 80 id, name from People
  order by name asc;

select cust_id, cust_name, phone
  from customers
  where city = 'London';

select 'Mr./Mrs. ' || lastname, street, zip, upper(city)
  from contacts
  where date_last_purchase(id) = current_date;

select p.fullname,
  (select name from classes c where c.id = p.class) as class,
  (select name from mentors m where m.id = p.mentor) as mentor
from pupils p;

select case upper(sex)
    when 'F' then 'Mrs.'
    when 'M' then 'Mr.'
    else ''
  end as title,
  lastname,
  address
from employees;

SELECT
  id,
  salary,
  name ,
  DENSE_RANK() OVER (ORDER BY salary) AS EMP_RANK
FROM employees
ORDER BY salary;

select * from interesting_transactions(2010, 3, 'S')
  order by amount;

select fieldcount,
  count(relation) as num_tables
from (select r.rdb$relation_name as relation,
        count(*) as fieldcount
      from rdb$relations r
        join rdb$relation_fields rf
          on rf.rdb$relation_name = r.rdb$relation_name
      group by relation)
group by fieldcount;

select current_time from rdb$database;

select power(12, 2) as twelve_squared, power(12, 3) as twelve_cubed
  from rdb$database;

select rdb$character_set_name from rdb$database;

select id, name, sex, age from actors
where state = 'Ohio';

select * from birds
where type = 'flightless'
order by family, genus, species;

select firstname,
  middlename,
  lastname,
  date_of_birth,
  (select name from schools s where p.school = s.id) schoolname
from pupils p
where year_started = '2012'
order by schoolname, date_of_birth;

SELECT PEARS
FROM FRUIT;

SELECT FRUIT.PEARS
FROM FRUIT;

SELECT PEARS
FROM FRUIT F;

SELECT F.PEARS
FROM FRUIT F;

SELECT FRUIT.PEARS
FROM FRUIT F;

select * from suspicious_transactions
  where assignee = 'John';

select name, az, alt from visible_stars('Brugge', current_date, '22:30')
  where alt >= 20
  order by az, alt;

select name, az, alt
from visible_stars('Brugge', current_date, '22:30');

select name, az, alt
from visible_stars('Brugge', current_date, '22:30', 4.0);

select name, az, alt
from visible_stars('Brugge', current_date, '22:30', 4.0, 'G');

select name, az, alt
from visible_stars('Brugge', current_date, '22:30', 'G');

select
  number,
  (select name from contestants c where c.number = gw.number)
from get_winners('#34517', 'AMS') gw;

select
  number,
  (select name from contestants c where c.number = get_winners.number)
from get_winners('#34517', 'AMS');

SELECT
  FIELDCOUNT,
  COUNT(RELATION) AS NUM_TABLES
FROM (SELECT
        R.RDB$RELATION_NAME RELATION,
        COUNT(*) AS FIELDCOUNT
      FROM RDB$RELATIONS R
        JOIN RDB$RELATION_FIELDS RF
        ON RF.RDB$RELATION_NAME = R.RDB$RELATION_NAME
        GROUP BY RELATION)
GROUP BY FIELDCOUNT;

SELECT
  DBINFO.DESCR, DBINFO.DEF_CHARSET
FROM (SELECT *
      FROM RDB$DATABASE) DBINFO
        (DESCR, REL_ID, SEC_CLASS, DEF_CHARSET);

select
  iif (D >= 0, (-b - sqrt(D)) / denom, null) sol_1,
  iif (D >  0, (-b + sqrt(D)) / denom, null) sol_2
  from
    (select b, b*b - 4*a*c, 2*a from coeffs) (b, D, denom);

select
  a, b, c,
  iif (D >= 0, (-b - sqrt(D)) / denom, null) sol_1,
  iif (D >  0, (-b + sqrt(D)) / denom, null) sol_2
  from
    (select a, b, c, b*b - 4*a*c as D, 2*a as denom
     from coeffs);

SELECT
  UUID_TO_CHAR(X) AS C1,
  UUID_TO_CHAR(X) AS C2,
  UUID_TO_CHAR(X) AS C3
FROM (SELECT GEN_UUID() AS X
      FROM RDB$DATABASE) T;

SELECT
  UUID_TO_CHAR(X) AS C1,
  UUID_TO_CHAR(X) AS C2,
  UUID_TO_CHAR(X) AS C3
FROM (SELECT GEN_UUID() AS X
      FROM RDB$DATABASE
      UNION ALL
      SELECT NULL FROM RDB$DATABASE WHERE 1 = 0) T;

SELECT
  UUID_TO_CHAR(X) AS C1,
  UUID_TO_CHAR(X) AS C2,
  UUID_TO_CHAR(X) AS C3
FROM (SELECT
        (SELECT GEN_UUID() FROM RDB$DATABASE) AS X
      FROM RDB$DATABASE) T;

with vars (b, D, denom) as (
  select b, b*b - 4*a*c, 2*a from coeffs
)
select
  iif (D >= 0, (-b - sqrt(D)) / denom, null) sol_1,
  iif (D >  0, (-b + sqrt(D)) / denom, null) sol_2
from vars;

with vars (b, D, denom) as (
  select b, b*b - 4*a*c, 2*a from coeffs
),
vars2 (b, D, denom, sqrtD) as (
  select b, D, denom, iif (D >= 0, sqrt(D), null) from vars
)
select
  iif (D >= 0, (-b - sqrtD) / denom, null) sol_1,
  iif (D >  0, (-b + sqrtD) / denom, null) sol_2
from vars2;

WITH T (X) AS (
  SELECT GEN_UUID()
  FROM RDB$DATABASE)
SELECT
  UUID_TO_CHAR(X) as c1,
  UUID_TO_CHAR(X) as c2,
  UUID_TO_CHAR(X) as c3
FROM T;

WITH T (X) AS (
  SELECT GEN_UUID()
  FROM RDB$DATABASE
  UNION ALL
  SELECT NULL FROM RDB$DATABASE WHERE 1 = 0)
SELECT
  UUID_TO_CHAR(X) as c1,
  UUID_TO_CHAR(X) as c2,
  UUID_TO_CHAR(X) as c3
FROM T;

WITH T (X) AS (
  SELECT (SELECT GEN_UUID() FROM RDB$DATABASE)
  FROM RDB$DATABASE)
SELECT
  UUID_TO_CHAR(X) as c1,
  UUID_TO_CHAR(X) as c2,
  UUID_TO_CHAR(X) as c3
FROM T;

select *
  from A
  join B on A.id = B.code;

select *
  from A
  inner join B on A.id = B.code;

/* For each man, select the women who are taller than he.
   Men for whom no such woman exists are not included. */
select m.fullname as man, f.fullname as woman
  from males m
  join females f on f.height > m.height;

/* Select all pupils with their class and mentor.
   Pupils without a mentor are also included.
   Pupils without a class are not included. */
select p.firstname, p.middlename, p.lastname,
       c.name, m.name
  from pupils p
  join classes c on c.id = p.class
  left join mentors m on m.id = p.mentor;

select * from flotsam f
  join jetsam j
  on f.sea = j.sea
  and f.ship = j.ship;

select * from flotsam
  join jetsam using (sea, ship);

select f.*, j.*
  from flotsam f
  join jetsam j using (sea, ship);

SELECT 1 FROM t1 a JOIN t2 b USING (x) WHERE x = 0;

SELECT 1 FROM t1 a JOIN t2 b USING (x) WHERE a.x = 0;

SELECT 1 FROM t1 a JOIN t2 b USING (x) WHERE b.x = 0;

select * from TA
  natural join TB;

select * from TA
  join TB using (a, ins_date);

select * from TA
  cross join TB;

select * from TA
  join TB on 1 = 1;

select m.name, s.size, c.name
  from materials m
  cross join sizes s
  cross join colors c;

/*
 * A sample of all Detroit customers who
 * made a purchase.
 */
SELECT *
FROM customers c, sales s
WHERE s.cust_id = c.id AND c.city = 'Detroit';

SELECT *
FROM TA, TB
JOIN TC ON TA.COL1 = TC.COL1
WHERE TA.COL2 = TB.COL2;

SELECT *
FROM TA, TB
JOIN TC ON TB.COL1 = TC.COL1
WHERE TA.COL2 = TB.COL2;

select *
  from A join B
  on A.id is not distinct from B.code;

select *
  from A join B
  on A.id is distinct from B.code;

select a, b, c
  from TA
  join TB on TA.a = TB.a;

SELECT *
FROM MY_TAB
JOIN MY_PROC(MY_TAB.F) ON 1 = 1;

SELECT *
FROM MY_TAB
LEFT JOIN MY_PROC(MY_TAB.F) ON 1 = 1;

select genus, species from mammals
  where family = 'Felidae'
  order by genus;

select * from persons
  where birthyear in (1880, 1881)
     or birthyear between 1891 and 1898;

select name, street, borough, phone
  from schools s
  where exists (select * from pupils p where p.school = s.id)
  order by borough, street;

select name from wrestlers
  where region = 'Europe'
    and weight > all (select weight from shot_putters
                      where region = 'Africa');

select id, name from players
  where team_id = (select id from teams where name = 'Buffaloes');

select sum (population) from towns
  where name like '%dam'
  and province containing 'land';

select password from usertable
  where username = current_user;

select list(child) from marbletable where marbles > 10;

select list(child) from marbletable where not marbles > 10;

select list(child) from marbletable where marbles <= 10;

select list(child) from marbletable
where marbles <= 10 or marbles is null;

select count(*), avg(age) from students
  where sex = 'M';

select count(*), avg(age), current_date from students
  where sex = 'M';

select count(*), avg(age) from students
  where sex = 'M'
  group by class;

select class, count(*), avg(age) from students
  where sex = 'M'
  group by class;

select class,
       count(*) as num_boys,
       avg(age) as boys_avg_age
  from students
  where sex = 'M'
  group by class;

select class,
       sex,
       boarding_type,
       count(*) as number,
       avg(age) as avg_age
  from students
  group by class, sex, boarding_type;

select class,
       count(*) as num_boys,
       avg(age) as boys_avg_age
  from students
  where sex = 'M'
  group by class
  having count(*) >= 5;

select class,
       count(*) as num_boys,
       avg(age) as boys_avg_age
  from students
  where sex = 'M'
  group by class
  having max(age) - min(age) > 1.2;

select class,
       count(*) as num_boys,
       avg(age) as boys_avg_age
  from students
  where sex = 'M'
  group by class
  having class starting with '3';

select class,
       count(*) as num_boys,
       avg(age) as boys_avg_age
  from students
  where sex = 'M' and class starting with '3'
  group by class;

select * from students
  plan (students natural);

select * from students
  where class = '3C'
  plan (students index (ix_stud_class));

select * from students
  plan (students order pk_students)
  order by id;

select * from students
  where class >= '3'
  plan (students order pk_students index (ix_stud_class))
  order by id;

select * from students
  where class >= '3'
  plan (students order ix_stud_class index (ix_stud_class))
  order by class;

select * from students
  plan sort (students natural)
  order by name;

select * from students
  where class >= '3'
  plan sort (students index (ix_stud_class))
  order by name;

select * from freshmen
  plan (freshmen students natural);

select * from freshmen
  where id > 10
  plan sort (freshmen students index (pk_students))
  order by name desc;

select s.id, s.name, s.class, c.mentor
  from students s
  join classes c on c.name = s.class
  plan join (s natural, c index (pk_classes));

select s.id, s.name, s.class, c.mentor
  from students s
  join classes c on c.name = s.class
  plan join (s order pk_students, c index (pk_classes))
  order by s.id;

select s.id, s.name, s.class, c.mentor
  from students s
  join classes c on c.name = s.class
  plan sort (join (s natural, c index (pk_classes)))
  order by s.name;

select s.id, s.name, s.class, c.mentor
  from students s
  join classes c on c.name = s.class
  where s.class <= '2'
  plan sort (join (s index (fk_student_class), c index (pk_classes)))
  order by s.name;

select s.id, s.name, s.class, c.mentor
  from classes c
  left join students s on c.name = s.class
  where s.class <= '2'
  plan sort (join (c natural, s index (fk_student_class)))
  order by s.name;

select *
  from students s
  join classes c on c.cookie = s.cookie
  plan hash (c natural, s natural);

select * from students s
  join classes c on c.cookie = s.cookie
  plan merge (sort (c natural), sort (s natural));

select * from students s
  join classes c on c.cookie = s.cookie
  plan sort (merge (sort (c natural), sort (s natural)))
  order by c.name, s.id;

select * from students s
  join classes c on c.cookie = s.cookie
  where s.id < 10 and s.class <= '2'
  plan sort (merge (sort (c natural),
                    sort (s index (pk_students, fk_student_class))))
  order by c.name, s.id;

select *
from color
where exists (
  select *
  from hors
  where horse.code_color = color.code_color
  plan (horse index (fk_horse_color)))
plan (color natural);

select id, title, artist, length, 'CD' as medium
  from cds
union
select id, title, artist, length, 'LP'
  from records
union
select id, title, artist, length, 'MC'
  from cassettes
order by 3, 2;

select c.*, 'CD' as medium
  from cds c
union
select r.*, 'LP'
  from records r
union
select c.*, 'MC'
  from cassettes c
order by 3, 2;

select name, phone from translators
  union distinct
select name, telephone from proofreaders;

select name, phone, hourly_rate from clowns
where hourly_rate < all
  (select hourly_rate from jugglers
     union
   select hourly_rate from acrobats)
order by hourly_rate;

SELECT
  RDB$CHARACTER_SET_ID AS CHARSET_ID,
  RDB$COLLATION_ID AS COLL_ID,
  RDB$COLLATION_NAME AS NAME
FROM RDB$COLLATIONS
ORDER BY RDB$CHARACTER_SET_ID, RDB$COLLATION_ID;

SELECT
  RDB$CHARACTER_SET_ID AS CHARSET_ID,
  RDB$COLLATION_ID AS COLL_ID,
  RDB$COLLATION_NAME AS NAME
FROM RDB$COLLATIONS
ORDER BY CHARSET_ID, COLL_ID;

SELECT
  RDB$CHARACTER_SET_ID AS CHARSET_ID,
  RDB$COLLATION_ID AS COLL_ID,
  RDB$COLLATION_NAME AS NAME
FROM RDB$COLLATIONS
ORDER BY 1, 2;

SELECT *
FROM RDB$COLLATIONS
ORDER BY 3, 2;

SELECT
    BOOKS.*,
    FILMS.DIRECTOR
FROM BOOKS, FILMS
ORDER BY 2;

SELECT *
FROM MSG
ORDER BY PROCESS_TIME DESC NULLS FIRST;

SELECT
  DOC_NUMBER, DOC_DATE
FROM PAYORDER
UNION ALL
SELECT
  DOC_NUMBER, DOC_DATE
FROM BUDGORDER
ORDER BY 2 DESC NULLS LAST, 1 ASC NULLS FIRST;

SELECT id, name
FROM People
ORDER BY name ASC
ROWS 1 TO 10;

SELECT id, name
FROM People
ORDER BY name ASC
ROWS 10;

SELECT id, name
FROM People
ORDER BY name ASC
ROWS 11 TO (SELECT COUNT(*) FROM People);

SELECT id, name
FROM People
ORDER BY name ASC
ROWS (SELECT COUNT(*) - 9 FROM People)
TO (SELECT COUNT(*) FROM People);

SELECT id, name
FROM People
ORDER BY name ASC
ROWS 81 TO 100;

SELECT *
FROM T1
ORDER BY COL1
OFFSET 10 ROWS;

SELECT *
FROM T1
ORDER BY COL1
FETCH FIRST 10 ROWS ONLY;

SELECT *
FROM (
  SELECT *
  FROM T1
  ORDER BY COL1 DESC
  OFFSET 1 ROW
  FETCH NEXT 10 ROWS ONLY
) a
ORDER BY a.COL1
FETCH FIRST ROW ONLY;

SELECT id, name
FROM People
ORDER BY name ASC
FETCH NEXT 10 ROWS ONLY;

SELECT id, name
FROM People
ORDER BY name ASC
OFFSET 10 ROWS;

SELECT id, name
FROM (
  SELECT id, name
  FROM People
  ORDER BY name DESC
  FETCH FIRST 10 ROWS ONLY
) a
ORDER BY name ASC;

SELECT * FROM DOCUMENT WHERE PARENT_ID=?
  FOR UPDATE WITH LOCK;

with dept_year_budget as (
  select fiscal_year,
         dept_no,
         sum(projected_budget) as budget
  from proj_dept_budget
  group by fiscal_year, dept_no
)
select d.dept_no,
       d.department,
       dyb_2008.budget as budget_08,
       dyb_2009.budget as budget_09
from department d
     left join dept_year_budget dyb_2008
       on d.dept_no = dyb_2008.dept_no
       and dyb_2008.fiscal_year = 2008
     left join dept_year_budget dyb_2009
       on d.dept_no = dyb_2009.dept_no
       and dyb_2009.fiscal_year = 2009
where exists (
  select * from proj_dept_budget b
  where d.dept_no = b.dept_no
);

WITH RECURSIVE DEPT_YEAR_BUDGET AS (
  SELECT
      FISCAL_YEAR,
      DEPT_NO,
      SUM(PROJECTED_BUDGET) BUDGET
  FROM PROJ_DEPT_BUDGET
  GROUP BY FISCAL_YEAR, DEPT_NO
),
DEPT_TREE AS (
  SELECT
      DEPT_NO,
      HEAD_DEPT,
      DEPARTMENT,
      CAST('' AS VARCHAR(255)) AS INDENT
  FROM DEPARTMENT
  WHERE HEAD_DEPT IS NULL
  UNION ALL
  SELECT
      D.DEPT_NO,
      D.HEAD_DEPT,
      D.DEPARTMENT,
      H.INDENT || ' '
  FROM DEPARTMENT D
    JOIN DEPT_TREE H ON H.HEAD_DEPT = D.DEPT_NO
)
SELECT
    D.DEPT_NO,
    D.INDENT || D.DEPARTMENT DEPARTMENT,
    DYB_2008.BUDGET AS BUDGET_08,
    DYB_2009.BUDGET AS BUDGET_09
FROM DEPT_TREE D
    LEFT JOIN DEPT_YEAR_BUDGET DYB_2008 ON
      (D.DEPT_NO = DYB_2008.DEPT_NO) AND
      (DYB_2008.FISCAL_YEAR = 2008)
    LEFT JOIN DEPT_YEAR_BUDGET DYB_2009 ON
      (D.DEPT_NO = DYB_2009.DEPT_NO) AND
      (DYB_2009.FISCAL_YEAR = 2009);

-- source: FirebirdSQL/firebird-documentation src/docs/asciidoc/en/refdocs/fblangref30/_fblangref30-commons.adoc (Public Documentation License 1.0)

select x'4E657276656E' from rdb$database;

select _ascii x'4E657276656E' from rdb$database;

select _iso8859_1 x'53E46765' from rdb$database;

select _utf8 x'53C3A46765' from rdb$database;

select q'!That's a string!' from rdb$database;

select 0x6FAA0D3 from rdb$database;

select 0x4F9 from rdb$database;

select 0x6E44F9A8 from rdb$database;

select 0x9E44F9A8 from rdb$database;

select 0x09E44F9A8 from rdb$database;

select 0x28ED678A4C987 from rdb$database;

select 0xFFFFFFFFFFFFFFFF from rdb$database;

SELECT LAST_NAME || ', ' || FIRST_NAME AS FULL_NAME
FROM EMPLOYEE;

SELECT
  NAME,
  AGE,
  CASE UPPER(SEX)
    WHEN 'M' THEN 'Male'
    WHEN 'F' THEN 'Female'
    ELSE 'Unknown'
  END GENDER,
RELIGION
    FROM PEOPLE;

SELECT *
FROM Customers C
WHERE EXISTS
  (SELECT *
   FROM Orders O
   WHERE C.cnum = O.cnum
     AND O.adate = DATE '10.03.1990');

SELECT
  e.first_name,
  e.last_name,
  (SELECT
       sh.new_salary
   FROM
       salary_history sh
   WHERE
       sh.emp_no = e.emp_no
   ORDER BY sh.change_date DESC ROWS 1) AS last_salary
FROM
  employee e;

SELECT
  e.first_name,
  e.last_name,
  e.salary
FROM employee e
WHERE
  e.salary = (
    SELECT MAX(ie.salary)
    FROM employee ie
  );

SELECT *
FROM Pc
WHERE speed >= 500 AND price < 800;

SELECT *
FROM Printer
WHERE ptrtype = 'matrix' AND price < 300;

SELECT *
FROM Printer
WHERE ptrtype = NULL AND price < 300;

SELECT *
FROM Printer
WHERE ptrtype IS NULL AND price < 300;

SELECT *
FROM EMPLOYEE
WHERE HIRE_DATE BETWEEN date '1992-01-01' AND CURRENT_DATE;

SELECT DEPT_NO
FROM DEPT
WHERE DEPT_NAME LIKE 'Software%';

SELECT
  first_name
FROM
  employee
WHERE first_name LIKE 'Sm_th';

SELECT *
FROM CUSTOMER
WHERE ADDRESS LIKE '%Rostov%';

SELECT
  RDB$RELATION_NAME
FROM RDB$RELATIONS
WHERE RDB$RELATION_NAME LIKE '%#_%' ESCAPE '#';

SELECT LAST_NAME, FIRST_NAME
FROM EMPLOYEE
WHERE LAST_NAME STARTING WITH 'Jo';

SELECT *
FROM PROJECT
WHERE PROJ_NAME CONTAINING 'Map';

SELECT *
FROM SALARY_HISTORY
WHERE CHANGE_DATE CONTAINING 84;

SELECT ID, NAME, TEACHER
FROM COURSES
WHERE START_DAY IS NOT DISTINCT FROM END_DAY;

SELECT * FROM TBOOL WHERE BVAL IS FALSE;

SELECT * FROM TBOOL WHERE BVAL IS UNKNOWN;

SELECT * FROM SALES
WHERE SHIP_DATE IS NULL;

SELECT *
FROM employee
WHERE EXISTS(SELECT *
             FROM  employee_project ep
             WHERE ep.emp_no = employee.emp_no);

SELECT *
FROM employee
WHERE NOT EXISTS(SELECT *
                 FROM employee_project ep
                 WHERE ep.emp_no = employee.emp_no);

SELECT
  model, speed, hd
FROM PC
WHERE
model IN (SELECT model
          FROM product
          WHERE maker = 'A');

SELECT
  model, speed, hd
FROM PC
WHERE
 EXISTS (SELECT *
         FROM product
         WHERE maker = 'A'
           AND product.model = PC.model);

SELECT P1.name AS NAME
FROM Personnel P1
WHERE P1.birthday NOT IN (SELECT C1.birthday
                          FROM Celebrities C1
                          WHERE C1.birthcity = 'New York');

SELECT P1.name AS NAME
FROM Personnel P1
WHERE NOT EXISTS (SELECT *
                  FROM Celebrities C1
                  WHERE C1.birthcity = 'New York'
                    AND C1.birthday = P1.birthday);

SELECT *
FROM EMPLOYEE
WHERE FIRST_NAME IN ('Pete', 'Ann', 'Roger');

SELECT
  model, speed, hd
FROM PC
WHERE
  model IN (SELECT model
            FROM product
            WHERE maker STARTING WITH 'A');

SELECT *
FROM employee
WHERE SINGULAR(SELECT *
               FROM employee_project ep
               WHERE ep.emp_no = employee.emp_no);

SELECT c1.*
FROM Customers c1
WHERE c1.rating > ALL
      (SELECT c2.rating
       FROM Customers c2
       WHERE c2.city = 'Paris');

SELECT *
FROM Customers
WHERE rating > ANY
      (SELECT rating
       FROM Customers
       WHERE city = 'Rome');

-- source: FirebirdSQL/firebird-documentation src/docs/asciidoc/en/refdocs/fblangref30/_fblangref30-functions-aggregate.adoc (Public Documentation License 1.0)

SELECT
  dept_no,
  AVG(salary)
FROM employee
GROUP BY dept_no;

SELECT
  dept_no,
  COUNT(*) AS cnt,
  COUNT(DISTINCT name) AS cnt_name
FROM employee
GROUP BY dept_no;

SELECT LIST (display_name, '; ') FROM GR_WORK;

SELECT LIST (display_name, '; ')
FROM (SELECT display_name
      FROM GR_WORK
      ORDER BY display_name);

SELECT
  dept_no,
  MAX(salary)
FROM employee
GROUP BY dept_no;

SELECT
  dept_no,
  MIN(salary)
FROM employee
GROUP BY dept_no;

select
  corr(alength, aheight) AS c_corr
from measure;

select
  covar_pop(alength, aheight) AS c_covar_pop
from measure;

select
  covar_samp(alength, aheight) AS c_covar_samp
from measure;

with recursive years (byyear) as (
  select 1991
  from rdb$database
  union all
  select byyear + 1
  from years
  where byyear < 2020
),
s as (
  select
    extract(year from order_date) as byyear,
    sum(total_value) as total_value
  from sales
  group by 1
),
regr as (
  select
    regr_intercept(total_value, byyear) as intercept,
    regr_slope(total_value, byyear) as slope
  from s
)
select
  years.byyear as byyear,
  intercept + (slope * years.byyear) as total_value
from years
cross join regr;

-- source: FirebirdSQL/firebird-documentation src/docs/asciidoc/en/refdocs/fblangref30/_fblangref30-functions-scalar.adoc (Public Documentation License 1.0)

select rdb$get_context('SYSTEM', 'DB_NAME') from rdb$database;

select rdb$set_context('USER_SESSION', 'MyVar', 493) from rdb$database;

select rdb$set_context('USER_TRANSACTION', 'Savepoints', 'Yes')
  from rdb$database;

select bit_length('Hello!') from rdb$database;

select bit_length(_iso8859_1 'Grüß di!') from rdb$database;

select bit_length
  (cast (_iso8859_1 'Grüß di!' as varchar(24) character set utf8))
from rdb$database;

select bit_length
  (cast (_iso8859_1 'Grüß di!' as char(24) character set utf8))
from rdb$database;

select char_length('Hello!') from rdb$database;

select char_length(_iso8859_1 'Grüß di!') from rdb$database;

select char_length
  (cast (_iso8859_1 'Grüß di!' as varchar(24) character set utf8))
from rdb$database;

select char_length
  (cast (_iso8859_1 'Grüß di!' as char(24) character set utf8))
from rdb$database;

select Sheriff from Towns
  where lower(Name) = 'cooper''s valley';

select octet_length('Hello!') from rdb$database;

select octet_length(_iso8859_1 'Grüß di!') from rdb$database;

select octet_length
  (cast (_iso8859_1 'Grüß di!' as varchar(24) character set utf8))
from rdb$database;

select octet_length
  (cast (_iso8859_1 'Grüß di!' as char(24) character set utf8))
from rdb$database;

select * from people
  where reverse(email) starting with reverse('.br');

select trim ('  Waste no space   ') from rdb$database;

select trim (leading from '  Waste no space   ') from rdb$database;

select trim (leading '.' from '  Waste no space   ') from rdb$database;

select trim (trailing '!' from 'Help!!!!') from rdb$database;

select trim ('la' from 'lalala I love you Ella') from rdb$database;

select trim ('la' from 'Lalala I love you Ella') from rdb$database;

select upper(_iso8859_1 'Débâcle')
from rdb$database;

select upper(_iso8859_1 'Débâcle' collate fr_fr)
from rdb$database;

select
  cast(dateadd(-1 * extract(millisecond from ts) millisecond to ts) as varchar(30)) as t,
  extract(millisecond from ts) as ms
from (
  select timestamp '2014-06-09 13:50:17.4971' as ts
  from rdb$database
) a;

select cast (2000 as quint) from rdb$database;

select cast (8000 as quint) from rdb$database;

select cast (null as quint) from rdb$database;

select cast (2000 as type of quint) from rdb$database;

select cast (2000 as int) from rdb$database;

select cast(zin as type of iso20) from zinnen order by 1;

select cast(zin as type of dunl20) from zinnen order by 1;

select cast ('Jag har många vänner' as type of column ttt.s)
from rdb$database;

select cast ('12' || '-June-' || '1959' as date) from rdb$database;

select date 'today' - 7 from rdb$database;

select char_to_uuid('A0bF4E45-3029-2a44-D493-4998c9b439A3') from rdb$database;

select char_to_uuid('A0bF4E45-3029-2A44-X493-4998c9b439A3') from rdb$database;

select gen_uuid() from rdb$database;

select uuid_to_char(x'876C45F4569B320DBCB4735AC3509E5F') from rdb$database;

select uuid_to_char('Firebird swings!') from rdb$database;

select
  coalesce (Nickname, FirstName, 'Mr./Mrs.') || ' ' || LastName
    as FullName
from Persons;

select name,
  age,
  decode(upper(sex),
         'M', 'Male',
         'F', 'Female',
         'Unknown'),
  religion
from people;

select iif( sex = 'M', 'Sir', 'Madam' ) from Customers;

SELECT MAXVALUE(PRICE_1, PRICE_2) AS PRICE
  FROM PRICELIST;

SELECT MINVALUE(PRICE_1, PRICE_2) AS PRICE
  FROM PRICELIST;

select avg( nullif(Weight, -1) ) from FatPeople;
