-- Real SELECT statements in MySQL/MariaDB syntax, taken from the MariaDB
-- regression tests (mysqltest scripts), with their sources.
-- Each statement ends at the first line whose last non-blank character is ";".
-- See tests/corpus/README.md for how they were chosen.

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/select.test (GPL-2.0)

select period from t1;

select distinct concat(fld3," ",fld3) as namn from t2,t3 where t2.fld1=t3.t2nr order by namn limit 10;

select distinct mod(companynr,10) from t4 group by companynr;

select count(*) from t3 where price2=76234234;

select * from (t1 as t2 left join t1 as t3 using (a)) natural left join t1;

SELECT * FROM t1;

SELECT t1.a FROM t1 STRAIGHT_JOIN t2 ON t1.a=t2.a;

select t1.x, t3.x from t1, t2, t3  where t1.x = t2.x and t3.x >= t1.y and t3.x <= t2.y;

select 'In next EXPLAIN, B.rows must be exactly 10:' Z;

select str_to_date('2007-10-01 12','%Y-%m-%d %H') = '2007-10-01 12:00:00' as exp;

SELECT * FROM t1 ORDER BY a, b, c LIMIT 5;

SELECT col_int_key FROM view_t1 GROUP BY col_int_key;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/join.test (GPL-2.0)

SELECT * FROM t1 JOIN t2;

select a.id, b.category as catid, b.state as stateid, b.county as countyid from t1 a, t2 b ignore index (primary) where (a.token ='a71250b7ed780f6ef3185bfffe027983') and (a.count = b.id);

SELECT emp.rate_code, lr.base_rate FROM t1 AS emp LEFT JOIN t2 AS lr USING (siteid, rate_code) WHERE emp.emp_id = 'psmith' AND lr.siteid = 'rivercats';

select * from t3 natural right join t2 natural right join t1;

select * from (t3 natural join t4) natural right join (t1 natural join t2);

select * from (t1 join t2 using (b)) natural join (t3 join t4 using (c));

select * from t1 natural join t2 where t1.b > 0;

select * from v1c;

select * from t1 natural join (t3 cross join t4);

select a2 from t1 join t2 using (a1) join t3 on b=c1 join t4 using (c2);

SELECT *
FROM
  t1 JOIN t2 ON t1.a = t2.a
  LEFT JOIN
  (
   (
    t3 LEFT JOIN t4 ON t3.a = t4.a
   )
   LEFT JOIN
   (
     t5 LEFT JOIN t6 ON t5.a = t6.a
   )
   ON t4.a = t5.a
  )
  ON t1.a = t3.a;

select a.a
from (select 1 as a) a,
     (select 2 as b) b
     cross join
     (select 3 as c) c
     left join
     (select 4 as d) d
     on 1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/join_outer.test (GPL-2.0)

select t1.*,t2.* from t1 JOIN t2 where t1.a=t2.a;

select t1.*,t2.* from t1 inner join t2 using (a);

select t1.name, t2.name, t2.id from t2 right join t1 on (t1.id = t2.owner) where t2.id is null;

select t2.count, t1.name from t2 natural join t1;

select * from t1 left join t2  on  b1 = a1 left join t3  on  c1 = a1  and  b1 is null;

SELECT * FROM t1 LEFT JOIN t2 ON t1.a=t2.a;

SELECT * FROM t1 LEFT JOIN t2 ON t1.a = t2.a WHERE t2.b > t1.a OR t1.a > t1.b;

SELECT * FROM t1 LEFT JOIN t2 ON t1.a = t2.a WHERE NOT(t2.a = t2.b AND t1.a IN(t2.a, t2.b));

SELECT * FROM t1 LEFT JOIN t2 ON e<>0 WHERE c=1 AND d<=>NULL;

SELECT * FROM
 t1 LEFT JOIN
 ( ( t2 LEFT JOIN
     t3
     ON t3.i = t2.i
   )
   JOIN (t4 AS t4a JOIN t4 AS t4b ON t4a.i=t4b.i)
   ON t4a.i=t2.i
 )
 ON t2.i = t1.i
 WHERE t3.i IS NULL;

SELECT t2.b
FROM t1 LEFT JOIN t2 ON t1.c = t2.a AND ( t2.b , t1.b ) IN (SELECT * from t3);

SELECT * FROM t1 INNER JOIN t2 ON c = b LEFT JOIN t3 ON d = a
  WHERE b IN (1,2,3) OR b = d;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/join_nested.test (GPL-2.0)

SELECT t2.a,t2.b
  FROM t2;

SELECT t2.a,t2.b,t3.a,t3.b,t4.a,t4.b
  FROM t2
       LEFT JOIN
       (t3, t4)
       ON t2.b=t4.b
    WHERE t3.a=1 OR t3.c IS NULL;

SELECT t2.a,t2.b,t3.a,t3.b,t4.a,t4.b,t5.a,t5.b
  FROM t2
       LEFT JOIN
       (t3, t4, t5)
       ON t2.b=t4.b
    WHERE (t3.a>1 OR t3.c IS NULL) AND
          (t5.a<3 OR t5.c IS NULL);

SELECT t5.a,t5.b,t6.a,t6.b,t7.a,t7.b,t8.a,t8.b
  FROM t5
       LEFT JOIN
       (
         (t6, t7)
         LEFT JOIN
         t8
         ON t7.b=t8.b AND t6.b < 10
       )
       ON t6.b >= 2 AND t5.b=t7.b AND
          (t8.a < 1 OR t8.c IS NULL);

SELECT t0.a,t0.b
  FROM t0;

SELECT t1.a,t1.b,t2.a,t2.b,t3.a,t3.b
  FROM t1, t3
       RIGHT JOIN
       t2
       ON t2.b=t3.b
    WHERE t1.a <= 2;

SELECT t2.a,t2.b,t3.a1,t3.b
  FROM t2 NATURAL LEFT JOIN t3
    WHERE t2.a = 4 OR (t2.a > 4 AND t3.a1 IS NULL);

SELECT * FROM
(SELECT DISTINCT gl.groupid, gp.price
  FROM t4 gl
       LEFT JOIN
       (t3 g INNER JOIN t2 p ON g.goodsid = p.goods
             INNER JOIN t1 gp ON p.goods = gp.goods)
       ON gl.groupid = g.groupid and p.shop = 'fr') t;

SELECT t1.x FROM t1 JOIN t2 ON a=b JOIN t3 ON a=c NATURAL JOIN t4;

SELECT * FROM t1 p LEFT JOIN v1 ON p.id=v1.id
                   LEFT JOIN t2 ON v1.pid=t2.pid
  WHERE p.id=1;

SELECT b FROM t1 JOIN (t2 JOIN t3 USING (a) JOIN t4 USING (a)
JOIN t5 USING (a)) USING (a);

SELECT t1.pk, t1.a, t2.pk, t2.a,t3.pk, t3.a
  FROM t1 LEFT JOIN (t2 LEFT JOIN t3 ON t3.a=t2.a) ON t2.a=t1.a
  WHERE t2.pk IS NULL;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/group_by.test (GPL-2.0)

SELECT 1 FROM (SELECT 1) as a  GROUP BY SUM(1);

select a,min(b) c,count(distinct rand()) from t1 group by a having c<a + interval 1 day;

select a, MAX(b), FIELD(MAX(b), '43', '4', '5') from t1 group by a;

select sum(a)*sum(b) from t1 where a=1 group by c;

SELECT a FROM t1 ORDER BY "a" DESC;

SELECT 1 FROM t1 as t1_outer
  WHERE (SELECT t1_outer.b FROM t1 AS t1_inner GROUP BY t1_inner.b LIMIT 1);

SELECT 1 FROM t1 ORDER BY COUNT(*), 1;

SELECT t1.a FROM t1
  WHERE t1.a = (SELECT t2.a FROM t2 GROUP BY t2.a
                  ORDER BY SUM(t2.b), SUM(t1.b) LIMIT 1);

SELECT COUNT(i) FROM t1;

SELECT 1 FROM t1 GROUP BY SUBSTRING('',SLEEP(0),'');

SELECT t2.a FROM t2 LEFT JOIN t1 ON t2.a <> 0 WHERE t2.a <> 6
  GROUP BY t2.a;

SELECT x, COUNT(DISTINCT a) AS y FROM v1 GROUP BY x ORDER BY y;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/having.test (GPL-2.0)

select count(a) as b from t1 where a=0 having b > 0;

select id, sum(qty) as sqty from t1 group by id having sqty>2;

SELECT 0 AS x, a FROM t1 GROUP BY x,a HAVING x=1 AND a > 1;

select col1 as count_col1 from t1 as tmp1 group by col1 having col1 = 10;

select sum(col1) as co2, count(col2) as cc from t1 group by col1 having col1 =10;

select t1.col1 from t1
where t1.col2 in
      (select t2.col2 from t2
       group by t2.col1, t2.col2 having col_t1 <= 10)
group by col_t1
having col_t1 <= 20;

select s1 from t1 group by 1 having 1 = 0;

SELECT b, COUNT(DISTINCT a) FROM t1 GROUP BY b HAVING b is NULL;

SELECT t1.f1
FROM t1
HAVING 2 IN (SELECT f2 FROM t2) AND t1.f1  >= 0
ORDER BY t1.f1;

SELECT * FROM t1 WHERE f = 2 HAVING ( pk IN ( SELECT 9 ) AND f != 0 );

SELECT i, COUNT(*) FROM t1 GROUP BY i HAVING i<>0 AND 1;

select default(b) AS h FROM t1 HAVING h > "2";

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/order_by.test (GPL-2.0)

select t1.id,t1.idservice,t2.ordre,t2.description  from t1, t2 where t1.id = 2   and t1.idservice = t2.id  order by t2.ordre;

SELECT    a,b,if(b = 1,i,if(b = 2,v,''))
FROM      t1
LEFT JOIN t2 USING(c)
LEFT JOIN t3 ON t3.c = t1.c
ORDER BY a;

select * from t1 where a between 0 and 1 order by a desc, b desc;

select * from t1 where b=2 or b is null order by a;

SELECT a FROM t1 ORDER BY a;

SELECT a, IF(a IN (2,3), a, a+10) FROM t1
  ORDER BY IF(a IN (2,3), a, a+10);

SELECT a, b FROM t1 ORDER BY SEC_TO_TIME(a) DESC;

SELECT * FROM t1 ORDER BY f2 DESC, f0 LIMIT 30;

SELECT SQL_CALC_FOUND_ROWS * FROM t1 JOIN tmp on t1.f2=tmp.f2
WHERE t1.f2>20
ORDER BY tmp.f1, f0 LIMIT 30 OFFSET 30;

SELECT t2.b AS field1 FROM t1, t2 WHERE t1.b = t2.a GROUP BY field1 ORDER BY t1.b, field1;

SELECT * FROM t1 ORDER BY a LIMIT 5;

select * from t1 order by a;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/distinct.test (GPL-2.0)

select id from t1 group by id;

select count(facility) from t1;

SELECT DISTINCT UserId FROM t1 WHERE UserId=22 group by Userid;

SELECT DISTINCT
    t1.id
from
    t1
    straight_join
    t2
    straight_join
    t3
    straight_join
    t1 as j_lj_t2 left join t2 as t2_lj
        on j_lj_t2.id=t2_lj.id
    straight_join
    t1 as j_lj_t3 left join t3 as t3_lj
        on j_lj_t3.id=t3_lj.id
WHERE
    ((t1.id=j_lj_t2.id AND t2_lj.id IS NULL) OR (t1.id=t2.id AND t2.idx=2))
    AND ((t1.id=j_lj_t3.id AND t3_lj.id IS NULL) OR (t1.id=t3.id AND t3.idx=2));

select distinct a from t1 where a >= '1' order by a desc;

SELECT DISTINCT a, b, 2 FROM t2;

SELECT @v1, @v2;

SELECT DISTINCT @v13, @v14 INTO @v15, @v16 FROM t1 WHERE fruit_name = 'APPLE';

SELECT COUNT(*) FROM (SELECT DISTINCT a FROM t2) dt;

select * from t1 where a = DATE('2010-10-10');

SELECT COUNT(DISTINCT a) FROM t1;

select distinct sum(distinct 1), sum(t1.d) > 5, t1.c from (t1 e join t1) group by t1.c;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/subselect.test (GPL-2.0)

select (select 2);

select b,max(a) as ma from t4 group by b having b < (select max(t2.a) from t2 where t2.b=t4.b);

select 10 > ANY (SELECT * from t1);

select s1, s1 NOT IN (SELECT s1 FROM t2) from t1;

SELECT a FROM t1 WHERE a < ALL (SELECT a FROM t1 WHERE b = 2 UNION SELECT a FROM t1 WHERE b = 2);

SELECT concat(EXISTS(SELECT a FROM t1 WHERE b = 2 and a.a = t1.a), '-') from t1 a;

select (1,2) = (select a from t1);

SELECT a, MAX(b), MIN(b) FROM t1 GROUP BY a;

SELECT a x, MAX(b),
  (SELECT t.c FROM t1 AS t WHERE x=t.a AND t.b=MAX(t1.b + 0)) as test
  FROM t1 GROUP BY a;

select case when count(*) > 0 then 'T' else 'F' end as not_pred_in from t_out
where subcase = 'A.3' and
      NOT((a1, b1, c1) IN (select * from t_in));

SELECT * FROM t1 WHERE a =     ( SELECT 1 UNION SELECT 1 UNION SELECT 1 );

SELECT * FROM t1 WHERE t1.f1 IN ( SELECT 'k' UNION SELECT 'e' );

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/subselect2.test (GPL-2.0)

SELECT t2.*, t4.DOCTYPENAME, t1.CONTENTSIZE,t1.MIMETYPE FROM t2 INNER JOIN t4 ON t2.DOCTYPEID = t4.DOCTYPEID LEFT OUTER JOIN t1 ON t2.DOCID = t1.DOCID WHERE t2.FOLDERID IN(SELECT t3_a.FOLDERID FROM t3 as t3_a WHERE t3_a.PARENTID IN(SELECT t3_b.FOLDERID FROM t3 as t3_b WHERE t3_b.PARENTID IN(SELECT t3_c.FOLDERID FROM t3 as t3_c WHERE t3_c.PARENTID IN(SELECT t3_d.FOLDERID FROM t3 as t3_d WHERE t3_d.PARENTID IN(SELECT t3_e.FOLDERID FROM t3 as t3_e WHERE t3_e.PARENTID='2f6161e879db43c1a5b82c21ddc49089' AND t3_e.FOLDERNAME = 'Level1') AND t3_d.FOLDERNAME = 'Level2') AND t3_c.FOLDERNAME = 'Level3') AND t3_b.FOLDERNAME = 'CopiedFolder') AND t3_a.FOLDERNAME = 'Movie Reviews') AND t2.DOCNAME = 'Last Discussion';

SELECT t1.* FROM t1 WHERE (SELECT COUNT(*) FROM t3,t2 WHERE t3.c=t2.a
                           and t2.a='1' AND t1.a=t3.b) > 0;

SELECT * FROM t2,t3 WHERE (2,9) IN (SELECT DISTINCT a,pk FROM t1) OR a = b;

SELECT * FROM t2,t3 WHERE (2,9) IN (SELECT DISTINCT a,pk FROM v1) OR a = b;

SELECT * FROM (
  SELECT node_uid, date, mirror_date, @result := 0 AS result
  FROM t1
  WHERE date < '2012-12-12 12:12:12'
    AND node_uid in (2085, 2084)
  ORDER BY mirror_date ASC
) AS calculated_result;

SELECT * FROM t3
  WHERE a = (SELECT COUNT(DISTINCT t2.b) FROM t1, t2
                WHERE t1.a = t2.a AND t2.a BETWEEN 7 AND 9
                      AND t3.b = t1.b
              GROUP BY t1.b);

SELECT * FROM t1 WHERE c1 NOT IN (
  SELECT t2a.c2 FROM t2 AS t2a, t2 AS t2b, t2 AS t2c
        WHERE t2c.c2 = t2b.c2 AND ( t2a.m = t2b.n OR 0 ) AND
                          ( t2b.m != a OR t2b.m = t2a.m ));

select * from t1, t2 left join t3 on ( t2.a = t3.a )
where t1.a = t2.a and ( t1.a = ( select min(a) from t1 ) or 0 );

select null in (select a from t1 where a < out3.a union select a from t2 where
  (select a from t3) +1 < out3.a+1) from t3 out3;

SELECT f1,
     (SELECT t.f21 from t2 t where max(
          q11+q12+q13+q14+q15+q16+q17+q18+q19+
          q21+q22+q23+q24+q25+q26+q27+q28+q29) = t.f2 UNION
      SELECT t.f3 FROM t2 AS t WHERE t1.f1=t.f2 AND t.f3=MAX(t1.f1) UNION
      SELECT 1 LIMIT 1) AS test
 FROM t1 GROUP BY f1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_group.test (GPL-2.0)

select a,c,sum(a) from t1 group by a;

select count(*) from t1 where a >= 10;

select max(t2.a1) from t2 left outer join t1 on t2.a2=10 where t2.a2=20;

select max(a5) from t1 where a5 < date'1970-01-01';

select min(t1.a1), min(t2.a4) from t1,t2 where t1.a1 < 'KKK' and t2.a4 < 'KKK';

select cast(variance(ff) as decimal(10,3)) from t2;

select std(s1/s2) from bug22555 where i=3;

select var_samp(o) as 'null', var_pop(o) as 'null' from bug22555;

SELECT 1 FROM t1 GROUP BY (SELECT SLEEP(0) FROM t1 ORDER BY AVG(DISTINCT a) );

select min(f4),max(f4) from t1;

SELECT MIN(f2) FROM t1 WHERE f2 >= 'abc';

SELECT
  IF(active, SUM(data1), 5) AS C_1,
  SUM(data2) AS C_2,
  SUM(data3) AS C_3
FROM t1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_str.test (GPL-2.0)

select 'hello',"'hello'",'""hello""','''h''e''l''l''o''',"hel""lo",'hel\'lo';

select concat_ws(', ','monty','was here','again');

SELECT CONCAT('"',CONCAT_WS('";"',title,prio,category,program,bugdesc,created,modified+0,bugstatus,submitter), '"') as exp FROM t1;

select collation(oct(130)), coercibility(oct(130));

SELECT * FROM t1, t2 WHERE num=str;

select format(pi(), @dec);

select substring('hello', 1, -4294967295);

select repeat('hello', -1);

select lpad('hello', 18446744073709551616, '1');

SELECT id FROM t1 WHERE LOCATE(a,p) IS NULL;

SELECT @tmp_max:= @@global.max_allowed_packet;

select charset(chr(65)), length(chr(65)),char_length(chr(65));

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_math.test (GPL-2.0)

select floor(5.5),floor(-5.5);

select * from t1;

select round(1.12e1, 4294967296), truncate(1.12e1, 4294967296);

SELECT RAND(a) FROM (SELECT NULL AS a) b;

SELECT 18446744073709551615 - CAST(1 AS UNSIGNED);

select 5.0 div 2;

SELECT CRC32(99999999999999999999999999999999);

SELECT a, b, crc32(a) FROM t GROUP BY a,b HAVING crc32(MAX(a))=450215437;

SELECT CRC32(LOWER('GOODYEAR'));

SELECT * FROM v1;

SELECT -(0e0-0e0);

SELECT AVG(0e1*-1e1);

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_time.test (GPL-2.0)

select from_days(to_days("960101")),to_days(960201)-to_days("19960101"),to_days(date_add(curdate(), interval 1 day))-to_days(curdate()),weekday("1997-11-29");

select date_add("1997-12-31 23:59:59",INTERVAL 1 MONTH);

select extract(MONTH FROM "2001-02-00");

SELECT CHARSET(DAYNAME(19700101));

SELECT TIMESTAMPDIFF(year,'2006-01-10 14:30:28','2008-01-10 14:30:29');

select timestampdiff(month,'2004-09-11','2004-09-11');

SELECT SUBDATE(STR_TO_DATE(NULL,0), INTERVAL 1 HOUR);

select now(258);

SELECT DATE_ADD('2001-01-01 00:00:00.123456', INTERVAL 1 SECOND);

SELECT MAKETIME(900,0,EXP(1));

SELECT
  HOUR(TIMESTAMP'0000-00-01 10:00:00') AS h0,
  TIME_TO_SEC(TIMESTAMP'0000-00-01 10:00:00') AS tts0,
  TIME_TO_SEC(TIMESTAMP'0000-00-01 10:00:00.1') AS tts1,
  CAST(TIMESTAMP'0000-00-01 10:00:00' AS TIME) AS c0,
  CAST(TIMESTAMP'0000-00-01 10:00:00.1' AS TIME(1)) AS c2;

SELECT
  MICROSECOND(TIMESTAMP('2001-01-01', '839:59:59')) AS ci,
  MICROSECOND(TIMESTAMP('2001-01-01', '839:59:59.0')) AS c1,
  MICROSECOND(TIMESTAMP('2001-01-01', '839:59:59.00')) AS c2,
  MICROSECOND(TIMESTAMP('2001-01-01', '839:59:59.000')) AS c3,
  MICROSECOND(TIMESTAMP('2001-01-01', '839:59:59.0000')) AS c4,
  MICROSECOND(TIMESTAMP('2001-01-01', '839:59:59.00000')) AS c5,
  MICROSECOND(TIMESTAMP('2001-01-01', '839:59:59.000000')) AS c6,
  MICROSECOND(TIMESTAMP('2001-01-01', '839:59:59.0000000')) AS c7;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_if.test (GPL-2.0)

select IF(0,"ERROR","this"),IF(1,"is","ERROR"),IF(NULL,"ERROR","a"),IF(1,2,3)|0,IF(1,2.0,3.0)+0;

select if(u=1,st,st) s from t1 order by s;

select if(u=1,st,binary st) s from t1 where st like "%a%" order by s;

select NULLIF(NULL,NULL), NULLIF(NULL,1), NULLIF(NULL,1.0), NULLIF(NULL,"test");

select sum(if(num is null,0.00,num)) from t1;

SELECT NULLIF(5,5) IS NULL, NULLIF(5,5) IS NOT NULL;

SELECT id, IF(date IS NULL, '-', FROM_UNIXTIME(date, '%d-%m-%Y')) AS date_ord, text FROM t1 ORDER BY date_ord DESC;

SELECT a, NULLIF(a,'') FROM t1 WHERE NULLIF(a,'') IS NULL;

SELECT t1.a,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,
 IF((ROUND(t1.a,2)=1), 2,0)))))))))))))))))))))))))))))) + 1 as exp
FROM t1;

SELECT * FROM (SELECT MAX(IF(1, CAST(c AS UNSIGNED), 0)) FROM t1) AS te;

SELECT if(0, (SELECT min('hello')), NULL);

SELECT if(0, NULL, (SELECT min('hello')));

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_in.test (GPL-2.0)

select 1 in (1,2,3);

select 3.5 in (1.5,NULL,3.5);

select 'XSFGGHF' in (a,b,c) from t1;

select * from t1 where a in ('a');

select 1 in ('1.1',2);

select * from t2 where a not in (345.67890, 43245.34, 64224.56344);

SELECT HEX(a) FROM t2 WHERE a IN
  (CAST(0xBB3C3E98175D33C8 AS UNSIGNED),
   42);

select f1 from t1 where f1 in ('a','b');

SELECT SUM( DISTINCT a ) FROM t1 GROUP BY a HAVING a IN ( AVG( 1 ), 1 + a);

select * from t1 where b in ('2.1');

SELECT '0x' IN (0);

SELECT * FROM t1 WHERE a NOT IN (3,3,1,1);

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_like.test (GPL-2.0)

select * from t1 where a like "abc%";

select * from t1 where a like "%a%";

select * from t1 where a like '2004-03-11 12:00:21';

select * from t1 where a like '%ESKA%';

SELECT 'a' LIKE EXTRACTVALUE('bar','qux');

SELECT * FROM t1 WHERE a LIKE TIME'00:00:00';

SELECT 1 LIKE +1;

SELECT 1 LIKE 1>>0, 1 LIKE 1>>1 , 64 LIKE 256>>2;

SELECT 1 LIKE 1*1, 2.0 LIKE 2*1.0, 2 LIKE 2*1.0, 2*1 LIKE 2, 2*3 LIKE 6*1;

SELECT 1 LIKE CASE WHEN 1=1 THEN '1' ELSE '0' END;

SELECT c1, c2, c2<<c1, 2 LIKE c2<<c1 FROM t1 ORDER BY c2;

SELECT c1, c2, c1/c2, 0.5000 LIKE c1/c2 FROM t1 ORDER BY c2;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_op.test (GPL-2.0)

select 1+1,1-1,1+1*2,8/5,8%5,mod(8,5),mod(8,5)|0,-(1+1)*-2;

select 1 | (1+1),5 & 3,bit_count(7);

select 1 << 32,1 << 63, 1 << 64, 4 >> 2, 4 >> 63, 1<< 63 >> 60;

select -1 | 0, -1 ^ 0, -1 & 0;

select -1 | 1, -1 ^ 1, -1 & 1;

select  1 | -1,  1 ^ -1,  1 & -1;

select  0 | -1,  0 ^ -1,  0 & -1;

select -1 >> 0, -1 << 0;

select -1 >> 1, -1 << 1;

select t1.a, t2.a, t2.b, bit_count(t2.b) from t1 left join t2 on t1.a=t2.a;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_equal.test (GPL-2.0)

select 0<=>0,0.0<=>0.0,0E0=0E0,"A"<=>"A",NULL<=>NULL;

select 1<=>0,0<=>NULL,NULL<=>0;

select 1.0<=>0.0,0.0<=>NULL,NULL<=>0.0;

select "A"<=>"B","A"<=>NULL,NULL<=>"A";

select 0<=>0.0, 0.0<=>0E0, 0E0<=>"0", 10.0<=>1E1, 10<=>10.0, 10<=>1E1;

select 1.0<=>0E1,10<=>NULL,NULL<=>0.0, NULL<=>0E0;

select t1.*, t2.*, t1.value<=>t2.value from t1, t2 where t1.id=t2.id and t1.id=1;

select * from t1 where id <=>id;

select * from t1 where value <=> value;

select * from t1 where id <=> value or value<=>id;

select * from t1 where a = '4828532208463511553';

select * from t1 where a in ('4828532208463511553');

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_concat.test (GPL-2.0)

SELECT number, alpha, CONCAT_WS('<---->',number,alpha) AS new
FROM t1 GROUP BY number;

SELECT number, alpha, CONCAT_WS('<------------------>',number,alpha) AS new
FROM t1 GROUP BY new LIMIT 1;

select 'a' union select concat('a', -(4 + 1));

select 'a' union select concat('a', -0);

select concat(f1, 2) a from t1 union select 'x' a from t1;

SELECT CONCAT(SUBSTR(t2, 1, 3), SUBSTR(t2, 5)) c1,
       CONCAT(SUBSTR(t2,1,3),'---',SUBSTR(t2,5)) c2
   FROM (SELECT CONVERT(t USING latin1) t2 FROM t1) sub;

SELECT CONCAT(t2,'-',t2) c2 FROM (SELECT TO_BASE64(t) t2 FROM t1) sub;

SELECT CONCAT(t2,'-',t2) c2 FROM (SELECT FROM_BASE64(t) t2 FROM t1) sub;

SELECT LENGTH(CONCAT(t2,'--',t2)) c2 FROM (SELECT AES_ENCRYPT(t,'x') t2 FROM t1) sub;

SELECT CONCAT(t2,'-',t2) c2 FROM (SELECT MD5(t) t2 FROM t1) sub;

SELECT CONCAT(t2,'-',t2) c2 FROM (SELECT RIGHT(t,10) t2 FROM t1) sub;

SELECT CONCAT(t2,'-',t2) c2 FROM (SELECT TRIM(t) t2 FROM t1) sub;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_date_add.test (GPL-2.0)

select visitor_id,max(ts) as mts from t1 group by visitor_id
having mts < DATE_SUB(NOW(),INTERVAL 3 MONTH);

select visitor_id,max(ts) as mts from t1 group by visitor_id
having DATE_ADD(mts,INTERVAL 3 MONTH) < NOW();

SELECT CAST('2006-09-26' AS DATE) + INTERVAL 1 DAY;

SELECT CAST('2006-09-26' AS DATE) + INTERVAL 1 YEAR;

select '2007-01-01' + interval a day from t1;

select b + interval a day from t1;

SELECT
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.5' DAY_MICROSECOND) c1,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.50' DAY_MICROSECOND) c2,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.500' DAY_MICROSECOND) c3,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.5000' DAY_MICROSECOND) c4,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.50000' DAY_MICROSECOND) c5,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.500000' DAY_MICROSECOND) c6,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.5000000' DAY_MICROSECOND) c7,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.50000000' DAY_MICROSECOND) c8,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.500000000' DAY_MICROSECOND) c9,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.5000000000' DAY_MICROSECOND) c10,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.50000000000' DAY_MICROSECOND) c11,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.500000000000' DAY_MICROSECOND) c12,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.5000000000000' DAY_MICROSECOND) c13,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.50000000000000' DAY_MICROSECOND) c14,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.500000000000000' DAY_MICROSECOND) c15,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.5000000000000000' DAY_MICROSECOND) c16,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.50000000000000000' DAY_MICROSECOND) c17,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.500000000000000000' DAY_MICROSECOND) c18,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.5000000000000000000' DAY_MICROSECOND) c19,
  DATE_ADD('1000-01-01 00:00:00', INTERVAL '0 00:00:01.50000000000000000000' DAY_MICROSECOND) c20;

select (3 & 20010101) + interval 2 day, x from v1;

select 30 + 20010101 + interval 2 day, x from v1;

select (30 + 20010101) + interval 2 day, x from v1;

SELECT DATE_ADD('01-01-23',INTERVAL '9223372036854775808-02' WEEK);

SELECT DATE_ADD('01-01-23',INTERVAL -9223372036854775808 WEEK);

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_isnull.test (GPL-2.0)

select * from t1 where isnull(to_days(mydate));

SELECT ISNULL((SELECT GET_LOCK('Bug#53933', 0) FROM t1 GROUP BY f1)) AS f2
FROM t1 GROUP BY f1 HAVING f2 = f2;

SELECT RELEASE_LOCK('Bug#53933');

SELECT t1.id  FROM t1  WHERE (id  is not null and id is null );

SELECT * FROM t1 WHERE d1 IS NULL;

SELECT count(*) FROM t1 WHERE d1 IS NULL;

SELECT * FROM v1 WHERE d1 IS NULL;

SELECT count(*) FROM v1 WHERE d1 IS NULL;

SELECT count(*) FROM ( SELECT * FROM t1 ) AS a1 WHERE d1 IS NULL;

SELECT * FROM t2 LEFT JOIN t1 ON t2.d1=t1.d1 WHERE t1.d1 IS NULL;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_gconcat.test (GPL-2.0)

select grp,group_concat(c) from t1 group by grp;

select grp,group_concat(c order by c desc separator ",") from t1 group by grp;

select group_concat(bar order by concat(bar,bar) desc) from t1;

select group_concat(distinct s1 order by s2) from t1;

SELECT t1.A_ID, GROUP_CONCAT(t2.B_DESC) AS B_DESC FROM t1 LEFT JOIN t2 ON t1.A_ID=t2.A_ID GROUP BY t1.A_ID ORDER BY t1.A_DESC;

select a, group_concat(b) from t1 group by a with rollup;

select charset(a) from t2;

SELECT GROUP_CONCAT(DISTINCT a) FROM t1;

select group_concat(f1) from t1;

SELECT GROUP_CONCAT(DISTINCT b, a ORDER BY b) FROM t1;

SELECT SUBSTRING(GROUP_CONCAT(DISTINCT UPPER(f1) ORDER BY f1), 1, 5) FROM t1;

select grp,group_concat(c limit 1000) from t1 group by grp;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_json.test (GPL-2.0)

select json_valid('[1, 2]');

select json_contains('[2, 1]', '[1, 2]');

select json_object();

select json_depth(json_compact(NULL));

SELECT json_set('[]', '$[0][0]', 100);

SELECT JSON_SET('{}', '$.a', _utf8 0xC3B6) as exp;

SELECT JSON_OBJECT('x',(SELECT MAX(a=3) FROM t1));

SELECT JSON_LENGTH();

SELECT JSON_EXTRACT('{a:true}','$.a')=TRUE;

SELECT JSON_OVERLAPS('{"A":1, "B":{"D":4, "E":[5, 6, 7]}}',
                     '{"C":3, "B":{"E":5, "D":4}}') as exp;

SELECT JSON_EXTRACT(@json, '$.A[last-7][1]');

SELECT JSON_EXISTS(@json, '$[2][2][4 to 6]');

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/union.test (GPL-2.0)

select a,b from t1 union distinct select a,b from t2;

select a,b from t1 union select a from t2;

(select * from t1 limit 2) union (select * from t2 limit 3);

SELECT SQL_CALC_FOUND_ROWS * FROM t1 UNION all SELECT * FROM t2 LIMIT 2;

select a from t1 union select a from t2 order by t2.a;

select count(*) from t1 where b=13 union select count(*) from t1 where a=7;

select a as a from t2 union select a from t1;

select 99 union all select id from t1 order by 1;

SELECT a FROM t1 UNION SELECT a FROM t1 INTO @v;

SELECT * FROM t1 UNION (SELECT * FROM t2 ORDER BY c2, c1);

(
	SELECT sample_name1 AS testname FROM t1
)
UNION
(
	SELECT sample_name2 AS testname FROM t1 C ORDER BY (SELECT T.sample_name1 FROM t1 T WHERE T.id = C.id)
);

SELECT COUNT(*) FROM (
SELECT                     * FROM t1 UNION ALL SELECT * FROM t2) q;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/cte_nonrecursive.test (GPL-2.0)

with t as (select a from t1 where b >= 'c')
  select * from t2,t where t2.c=t.a;

with t as (select * from t2 where c <= 4 )
  select a, count(*) from t1,t where t1.a=t.c group by a order by count(*);

select * from (select distinct a from t1 where b >= 'c') as r1,
              (select distinct a from t1 where b >= 'c') as r2
  where r1.a=r2.a;

select t1.a,t1.b from t1, (select c from t2 where c >= 4) as t
  where t1.a=t.c and
        t.c in (select t2.c from t2,  (select * from t1 where t1.a<5) as t
                 where t2.c=t.a);

with t as (select * from t2 where c>3),
     t as (select a from t1 where a>2)
 select * from t,t1 where t1.a=t.c;

with t(d) as (select count(*) from t1 where b<='ccc' group by b),
     s as (select * from t1 where a in (select t2.c from t2,t where t2.c=t.d))
  select t1.b from t1,t2 where t1.a=t2.c;

WITH cte AS ( SELECT i FROM t GROUP BY i) SELECT * FROM cte;

with cte as (select 1 as a) select * from cte;

select * from db1.v1;

select f5() + f6();

with cte3 as
( with cte2(a,b) as
  ( with cte1 as (select * from t1 where c1 <= 2)
    select * from cte1 as s1, cte1 as s2 where s1.c1=s2.c1)
  select r1.c1,r2.c1 from cte2 as r1, cte2 as r2)
select * from t2;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/cte_recursive.test (GPL-2.0)

with recursive
t as
(
  select * from t1 where t1.b >= 'c'
  union
  select * from r
),
r as
(
  select * from t
  union
  select t1.* from t1,r where r.a+1 = t1.a
)
select * from r;

with recursive
prev_gen
as
(
  select folks.*
    from folks, prev_gen
      where folks.id=prev_gen.father or folks.id=prev_gen.mother
  union
  select *
    from folks
      where name='Me'
),
ancestors
as
(
  select *
    from folks
      where name='Me'
  union
  select *
    from ancestors
  union
    select *
     from prev_gen
)
select ancestors.name, ancestors.dob from ancestors;

with recursive
ancestor_couple_ids(h_id, w_id)
as
(
  select a.father, a.mother
    from coupled_ancestors a
      where a.father is not null and a.mother is not null
),
coupled_ancestors (id, name, dob, father, mother)
as
(
  select *
    from folks
      where name = 'Me'
  union all
  select p.*
    from folks p, ancestor_couple_ids fa
      where p.id = fa.h_id
  union all
  select p.*
    from folks p, ancestor_couple_ids ma
      where p.id = ma.w_id
)
select *
  from ancestor_couple_ids;

with recursive
ancestor_ids (id, generation)
as
(
  select father, 1 from folks where name = 'Me' and  father is not null
  union all
  select mother, 1 from folks where name = 'Me' and  mother is not null
  union all
  select father, fa.generation+1 from folks, ancestor_ids fa
    where folks.id = fa.id and father is not null and
          (father not in (select id from ancestor_ids))
  union all
  select mother, ma.generation+1 from folks, ancestor_ids ma
    where folks.id = ma.id and mother is not null and
          (mother not in (select id from ancestor_ids))
)
select generation, name from ancestor_ids a, folks
  where a.id = folks.id;

WITH RECURSIVE transitive_closure(a, b, distance, path_string) AS
( SELECT a, b, 1 AS distance,
   concat(a, '.', b, '.') AS path_string
  FROM edges

  UNION ALL

  SELECT tc.a, e.b, tc.distance + 1,
  concat(tc.path_string, e.b, '.') AS path_string
  FROM edges AS e
    JOIN transitive_closure AS tc
      ON e.a = tc.b
  WHERE tc.path_string NOT LIKE concat('%', e.b, '.%')
)
SELECT * FROM transitive_closure
ORDER BY a, b, distance;

select @@standard_compliant_cte;

with recursive destinations (city) as
( select a.arrival from flights a where a.departure='Cairo'
  union
  select b.arrival from destinations r, flights b where r.city=b.departure)
select * from destinations;

select * from t2;

with recursive destinations (city) as
(
  select a.arrival from flights a, distances d
    where a.departure = 'Seattle' and
          a.departure = d.city1 and a.arrival = d.city2 and
          d.dist < 4000
  union
  select b.arrival from destinations r, flights b
    where r.city = b.departure
  intersect
  select city2 from destinations s, distances d
    where s.city = d.city1 and d.dist < 4000
)
select * from destinations;

with
cte as
(
  with
  x as
  (
    select a from t1 union select a+1 from x as r1 where a < 7
  )
  select * from x as s1
  where s1.a in (
                 with
                 x as
                 (
                   select a from t2
                   union
                   select a+2 from x as r2 where a < 10
                 )
                 select a from x as s2
               )
)
select * from cte;

with
x as
(
  select a from t2
  union
  select a+2 from x as r2 where a < 10
)
select a from x as s2;

select (
  with recursive r as (
    select * from (
      with a as (
          select * from r
      )
      select 1
    ) y

    union

    select 1
  )
  (select * from r)
);

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/win.test (GPL-2.0)

select * from t1 where 1=rank() over (order by a);

select
  pk, c,
  count(*) over (w2 rows between 2 preceding and 2 following) as CNT
from t1
window w1 as (partition by c order by pk), w2 as (w1 order by pk);

select
  part_id,
  val,
  count(val) over (partition by part_id
                   order by val
                   range between unbounded preceding and
                                 unbounded following)
  as CNT
from t4;

select
  pk, c,
  count(*) over (partition by c
                 order by pk
                 range between 1 preceding
                           and 2 preceding)
                as cnt
from t1;

SELECT MAX(i) OVER (PARTITION BY (i)) FROM t1;

SELECT id, sum(a) OVER (PARTITION BY id
                       ROWS BETWEEN CURRENT ROW AND UNBOUNDED FOLLOWING) as sum
FROM t1;

select b, max(i) over (partition by b) as f
  from (select i+10 as i, b from t1) as tt
order by i;

SELECT a, COUNT(a), AVG(a) OVER (PARTITION BY b) FROM t1
WHERE EXISTS ( SELECT * FROM t2 WHERE c IN ( SELECT MAX(d) FROM t3 ) );

select count(distinct s) from (select sum(d) over(partition by a,b) as s from t) Z where s > 0;

SELECT LEAD(a) OVER (PARTITION BY a ORDER BY a) as lead,
       a AND LEAD(a) OVER (PARTITION BY a ORDER BY a) AS a_and_lead_part
FROM t1;

SELECT max(t1.a) over (partition by c) as x, b, c from t1 order by max(t1.a) over (partition by c);

SELECT cast((rank() over w1) as decimal (53,56));

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/case.test (GPL-2.0)

select CASE "b" when "a" then 1 when "b" then 2 END as exp;

select CASE concat("a","b") when concat("ab","") then "a" when "b" then "b" end as exp;

select case 1/0 when "a" then "true" else "false" END as exp;

select case when 1<0 then "TRUE" else "FALSE" END as exp;

SELECT
CASE _latin1'a' COLLATE latin1_general_ci  WHEN _latin1'A' THEN '1' ELSE 2 END as e1,
CASE _latin1'a' COLLATE latin1_bin         WHEN _latin1'A' THEN '1' ELSE 2 END as e2,
CASE _latin1'a' WHEN _latin1'A' COLLATE latin1_swedish_ci THEN '1' ELSE 2 END as e3,
CASE _latin1'a' WHEN _latin1'A' COLLATE latin1_bin        THEN '1' ELSE 2 END as e4;

SELECT COALESCE(t2.EMPNUM,t1.EMPNUM) AS CEMPNUM,
               t1.EMPNUM AS EMPMUM1, t2.EMPNUM AS EMPNUM2
  FROM t1 LEFT JOIN t2 ON t1.EMPNUM=t2.EMPNUM;

select case t1.f1 when '00:00:00' then 1 end from t1;

SELECT * FROM t1 WHERE a='a';

SELECT * FROM t1 WHERE CASE a WHEN '100' THEN 1 ELSE 0 END;

SELECT * FROM t1 WHERE CASE a WHEN 3 THEN 1 WHEN '100' THEN 1 ELSE 0 END AND a='100';

select case '20:10:05' when date'2020-10-10' then 'never' when time'20:10:5' then 'ok' else 'bug' end as exp;

SELECT * FROM t1 WHERE
  CASE      a WHEN b THEN 1 END=1 AND
  CASE WHEN a THEN b ELSE 1 END=3;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/null.test (GPL-2.0)

select null,\N,isnull(null),isnull(1/0),isnull(1/0 = null),ifnull(null,1),ifnull(null,"TRUE"),ifnull("TRUE","ERROR"),1/0 is null,1 is not null;

select concat("a",NULL),replace(NULL,"a","b"),replace("string","i",NULL),replace("string",NULL,"i"),insert("abc",1,1,NULL),left(NULL,1);

SELECT (NULL OR NULL) IS NULL;

SELECT * FROM t1 WHERE indexed_field=NULL;

SELECT * FROM t1 WHERE concat( dt, '1' ) IS NULL;

SELECT a,NULLIF(a,2001),NULLIF(2001,a) FROM t1;

SELECT a, NULLIF(a,_utf8'a' COLLATE utf8_bin) IS NULL FROM t1;

SELECT * FROM t1 WHERE a=10 AND NULLIF(a,2011.1)='2011';

SELECT CASE WHEN COUNT(c1)=0 THEN NULL ELSE COUNT(c1) END  FROM t1;

SELECT NULLIF(LAST_VALUE(@a:=@a+1,a),0) FROM t1;

select nullif((select 1), (select 2));

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/limit.test (GPL-2.0)

select 0 limit 0;

select 1 as a from t1 union all select 1 from dual limit 1;

(select 1 as a from t1) union all (select 1 from dual) limit 1;

select count(*) c FROM t1 WHERE a > 0 ORDER BY c LIMIT 3;

select sum(a) c FROM t1 WHERE a > 0 ORDER BY c LIMIT 3;

select 1 as a limit 4294967296,10;

SELECT a FROM t1 ORDER BY a LIMIT 10 OFFSET 1;

SELECT a FROM t1 ORDER BY a LIMIT 10 OFFSET 10;

SELECT a FROM t1 ORDER BY a LIMIT 2 OFFSET 14;

SELECT * FROM mysql.slow_log WHERE sql_text != 'foo' LIMIT 0;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/count_distinct.test (GPL-2.0)

select t2.isbn,city,t1.libname,count(t1.libname) as a from t3 left join t1 on t3.libname=t1.libname left join t2 on t3.isbn=t2.isbn group by city,t1.libname;

select t2.isbn,city,t1.libname,count(distinct t1.libname) as a from t3 left join t1 on t3.libname=t1.libname left join t2 on t3.isbn=t2.isbn group by city having count(distinct t1.libname) > 1;

select t2.isbn,city,t1.libname,count(distinct t1.libname) as a from t3 left join t1 on t3.libname=t1.libname left join t2 on t3.isbn=t2.isbn group by city having count(distinct concat(t1.libname,'a')) > 1;

select t2.isbn,city,@bar:=t1.libname,count(distinct t1.libname) as a
       from t3 left join t1 on t3.libname=t1.libname left join t2
       on t3.isbn=t2.isbn group by city having count(distinct
       t1.libname) > 1;

SELECT @bar;

select t2.isbn,city,concat(@bar:=t1.libname),count(distinct t1.libname) as a
       from t3 left join t1 on t3.libname=t1.libname left join t2
       on t3.isbn=t2.isbn group by city having count(distinct
       t1.libname) > 1;

select count(distinct f) from t1;

select count(distinct a) from t1 group by b;

select count(distinct if(f1,3,f2)) from t1;

select count(distinct i) from v1;

select count(distinct user_id) from t1;

select count(distinct a) from t1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/derived.test (GPL-2.0)

select * from (select 2 from DUAL) b;

SELECT a,b as a FROM (SELECT '1' as a,'2' as b) b  HAVING a=1;

select 1 from (select 1) as a;

SELECT * FROM (SELECT (SELECT * FROM (SELECT 1 as a) as a )) as b;

select count(*) from t1 INNER JOIN (SELECT A.E1, A.E2, A.E3 FROM t1 AS A WHERE A.E3 = (SELECT MAX(B.E3) FROM t1 AS B WHERE A.E2 = B.E2)) AS THEMAX ON t1.E1 = THEMAX.E2 AND t1.E1 = t1.E2;

select distinct sum(b) from (select a,b from t1) y group by a;

SELECT 0 FROM
(SELECT 0) t01, (SELECT 0) t02, (SELECT 0) t03, (SELECT 0) t04, (SELECT 0) t05,
(SELECT 0) t06, (SELECT 0) t07, (SELECT 0) t08, (SELECT 0) t09, (SELECT 0) t10,
(SELECT 0) t11, (SELECT 0) t12, (SELECT 0) t13, (SELECT 0) t14, (SELECT 0) t15,
(SELECT 0) t16, (SELECT 0) t17, (SELECT 0) t18, (SELECT 0) t19, (SELECT 0) t20,
(SELECT 0) t21, (SELECT 0) t22, (SELECT 0) t23, (SELECT 0) t24, (SELECT 0) t25,
(SELECT 0) t26, (SELECT 0) t27, (SELECT 0) t28, (SELECT 0) t29, (SELECT 0) t30,
(SELECT 0) t31, (SELECT 0) t32, (SELECT 0) t33, (SELECT 0) t34, (SELECT 0) t35,
(SELECT 0) t36, (SELECT 0) t37, (SELECT 0) t38, (SELECT 0) t39, (SELECT 0) t40,
(SELECT 0) t41, (SELECT 0) t42, (SELECT 0) t43, (SELECT 0) t44, (SELECT 0) t45,
(SELECT 0) t46, (SELECT 0) t47, (SELECT 0) t48, (SELECT 0) t49, (SELECT 0) t50,
(SELECT 0) t51, (SELECT 0) t52, (SELECT 0) t53, (SELECT 0) t54, (SELECT 0) t55,
(SELECT 0) t56, (SELECT 0) t57, (SELECT 0) t58, (SELECT 0) t59, (SELECT 0) t60,
(SELECT 0) t61;

select x.id, message from (select id from t1) x left join
(select id, 1 as message from t2) y on x.id=y.id
where coalesce(message,0) <> 0;

SELECT * FROM t1 WHERE a='a' AND a <> _latin1'A' COLLATE latin1_bin;

SELECT * FROM v1 WHERE b > 0;

SELECT '/', '/';

SELECT * FROM (SELECT '', '' from v_t) AS a;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/alias.test (GPL-2.0)

SELECT ELT(FIELD(kundentyp,'PP','PPA','PG','PGA','FK','FKA','FP','FPA','K','KA','V','VA',''), 'Privat (Private Nutzung)','Privat (Private Nutzung) Sitz im Ausland','Privat (geschaeftliche Nutzung)','Privat (geschaeftliche Nutzung) Sitz im Ausland','Firma (Kapitalgesellschaft)','Firma (Kapitalgesellschaft) Sitz im Ausland','Firma (Personengesellschaft)','Firma (Personengesellschaft) Sitz im Ausland','oeff. rechtl. Koerperschaft','oeff. rechtl. Koerperschaft Sitz im Ausland','Eingetragener Verein','Eingetragener Verein Sitz im Ausland','Typ unbekannt') AS Kundentyp ,kategorie FROM t1 WHERE hdl_nr < 2000000 AND kategorie IN ('Prepaid','Mobilfunk') AND st_klasse = 'Workflow' GROUP BY kundentyp ORDER BY kategorie;

select t2.* from t2;

select t1.*, a, t1.* from t1;

select t1.*, a from t1;

select t1.*, (select a from t2 where d > a) from t1;

select t1.*, a as 'x' from t1;

select (select d from t2 where d > a) as 'x', t1.* from t1;

select (select t2.* from t2) from t1;

SELECT '' LIMIT 0;

SELECT x'32FF', CONCAT(x'32FF') LIMIT 0;

SELECT x'3200', CONCAT(x'3200') LIMIT 0;

SELECT 'a\0', CONCAT('a\0') LIMIT 0;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/olap.test (GPL-2.0)

select product, sum(profit) from t1 group by product;

select product, country_id , year, sum(profit) from t1 group by product, country_id, year with rollup limit 5;

select product, sum(profit)/count(*) from t1 group by product with rollup;

select concat(':',product,':'), sum(profit),avg(profit) from t1 group by product with rollup;

SELECT DISTINCT SUM(b) FROM t1 GROUP BY a WITH ROLLUP;

SELECT a, sum(b) FROM t1 GROUP BY a,b WITH ROLLUP;

SELECT a, SUM(a) m FROM  t1 GROUP BY a WITH ROLLUP;

SELECT a, a+1, SUM(a) FROM t1 GROUP BY a WITH ROLLUP;

SELECT a,b,SUM(b), a+b as c FROM t2
  GROUP BY a,b WITH ROLLUP HAVING c IS NULL;

select left(a,10), a, sum(b) from t1 group by 1,2 with rollup;

SELECT type FROM t1 GROUP BY type WITH ROLLUP;

SELECT DISTINCT b FROM t1, t2 GROUP BY a, b WITH ROLLUP;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/group_min_max.test (GPL-2.0)

select a1, min(a2) from t1 group by a1;

select a1,a2,b,       max(c) from t2 where a1 < 'd' group by a1,a2,b;

select a1,a2,b,max(c),min(c) from t3 where (a2 = 'a') and (b = 'b') group by a1;

select a1,a2,b,min(c),max(c) from t1 where (c between 'b111' and 'g112') or (c between 'd000' and 'i110') group by a1,a2,b;

select a1,a2,b,c,min(c), max(c) from t1
where exists ( select * from t2
               where t2.c in (select c from t3 where t3.c > t1.c) and
               t2.c > 'b1' )
group by a1,a2,b;

select distinct a1,a2,b from t1;

select count(distinct a1,a2,b) from t1 where (a2 >= 'b') and (b = 'a');

SELECT DISTINCT a FROM t1 WHERE a LIKE 'B%';

SELECT MIN(a), b FROM t1 WHERE a > ( SELECT min(c) FROM t2, t1 t1a, t1 t1b WHERE c = 0 ) GROUP BY b;

SELECT COUNT(DISTINCT a, b), COUNT(DISTINCT b, d) FROM t2;

SELECT id,MIN(a),MAX(a) FROM t1 WHERE a>=20010104.0 GROUP BY id;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/negation_elimination.test (GPL-2.0)

select * from t1 where not(not(a));

select * from t1 where not(not(not(a < 5) and not(a > 10)));

select * from t1 where not(a < 10);

select * from t1 where not(a <= 10);

select * from t1 where not(a < 5 or a > 15);

select * from t1 where a > 5 and not(a > 10);

select * from t1 where a = 7 or not(a < 15 and a > 5);

select * from t1 where not(NULL or a);

select * from t1 where not((a < 5 and a < 10) and (not(a > 16) or a > 17));

SELECT * FROM t1 WHERE ((NOT (a > 5)) XOR (a > 7));

SELECT * FROM t1 WHERE NOT ((NOT (a > 5)) XOR (a > 7));

SELECT * FROM t1 WHERE (NULL XOR (a > 7));

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/compare.test (GPL-2.0)

select * from t1 where id=000000000001;

SELECT 'a\0' < 'a';

SELECT 'a\t' < 'a';

SELECT hex(a),STRCMP(a,'a'), STRCMP(a,'a ') FROM t1;

SELECT CHAR(31) = '', '' = CHAR(31);

select * from t1 where a=b;

SELECT CONCAT(b,c), CONCAT(b,c) = '0101' FROM t1;

SELECT a,
  (SELECT COUNT(*) FROM t1
   WHERE b = t2.a AND CONCAT(b,c) = CONCAT('0',t2.a,'01')) x
FROM t2 ORDER BY a;

SELECT * FROM t1 WHERE a > '2008-01-01' AND a = '0000-00-00';

select * from t1 where a="aa";

select * from t1 where a="aa ";

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/select_found.test (GPL-2.0)

select SQL_CALC_FOUND_ROWS * from t1;

select SQL_BUFFER_RESULT SQL_CALC_FOUND_ROWS * from t1 limit 1;

select SQL_CALC_FOUND_ROWS * from t1 left join t1 as t2 on (t1.b=t2.a) limit 2,1;

select sql_calc_found_rows a from t1 where a in (1,2,3) order by a+2 desc limit 0,2;

SELECT DISTINCT email FROM t2 LEFT JOIN t1  ON kid = t2.id WHERE t1.id IS NULL LIMIT 10;

SELECT SQL_CALC_FOUND_ROWS 1 FROM (SELECT 1) as a LIMIT 0;

select SQL_CALC_FOUND_ROWS * from t1 where id > 3 limit 0, 1;

SELECT * FROM t1
WHERE
(
 ( b =1 AND a BETWEEN 14 AND 21 ) OR
 ( b =2 AND a BETWEEN 16 AND 18 ) OR
 ( b =3 AND a BETWEEN 15 AND 19 )
);

SELECT SQL_CALC_FOUND_ROWS 'foo';

SELECT SQL_CALC_FOUND_ROWS DISTINCT 'a' FROM t1 GROUP BY b LIMIT 2;

select sql_calc_found_rows 1 as res from t1 left join t2 on i1 = i2 where v2 = 5 or v1 = 5 or v1 = 10 order by v1 limit 1;

select sql_calc_found_rows * from t1 where i = 0 order by v limit 59,2;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/insert_select.test (GPL-2.0)

Select null, Field, Count From t1 Where Month=20030901 and Type=2;

select SQL_BUFFER_RESULT * from t1 WHERE (SEQ = 1);

SELECT COUNT(*) FROM t1;

SELECT min(t2.f1) FROM t1, t2 where t2.f2 = 'SIR' GROUP BY t1.f1;

SELECT * FROM t2;

SELECT (SELECT SUM(LENGTH(c)) FROM t1 WHERE c='13_characters') FROM t1;

select @@sql_mode like '%strict_all_tables%';
