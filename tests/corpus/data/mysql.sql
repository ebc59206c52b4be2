-- Real SELECT statements in MySQL/MariaDB syntax, taken from the MariaDB
-- regression tests (mysqltest scripts), with their sources.
-- Each statement ends at the first line whose last non-blank character is ";".
-- See tests/corpus/README.md for how they were chosen.

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/select.test (GPL-2.0)

select period from t1;

select * from t1;

select t1.* from t1;

select t2.fld3 from t2 where companynr = 58 and fld3 like "%imaginable%";

select fld3 from t2 where fld3 like "%cultivation";

select t2.fld3,companynr from t2 where companynr = 57+1 order by fld3;

select fld3,companynr from t2 where companynr = 58 order by fld3;

select fld3 from t2 order by fld3 desc limit 10;

select fld3 from t2 order by fld3 desc limit 5;

select fld3 from t2 order by fld3 desc limit 5,5;

select t2.fld3 from t2 where fld3 = 'honeysuckle';

select t2.fld3 from t2 where fld3 LIKE 'honeysuckl_';

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/join.test (GPL-2.0)

SELECT * FROM t1 JOIN t2;

SELECT * FROM t1 INNER JOIN t2;

SELECT * from t1 JOIN t2 USING (S1);

SELECT * FROM t1 INNER JOIN t2 USING (S1);

SELECT * from t1 CROSS JOIN t2;

SELECT * from t1 LEFT JOIN t2 USING(S1);

SELECT * from t1 LEFT JOIN t2 ON(t2.S1=2);

SELECT * from t1 RIGHT JOIN t2 USING(S1);

SELECT * from t1 RIGHT JOIN t2 ON(t1.S1=1);

select t1.id, t2.id from t1, t2 where t2.id = t1.id;

select t1.id, count(t2.id) from t1,t2 where t2.id = t1.id group by t1.id;

select t1.id, count(t2.id) from t1,t2 where t2.id = t1.id group by t2.id;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/join_outer.test (GPL-2.0)

select t1.*,t2.* from t1 JOIN t2 where t1.a=t2.a;

select t1.*,t2.* from t1 left join t2 on (t1.a=t2.a) order by t1.grp,t1.a,t2.c;

select t1.*,t2.* from { oj t2 left outer join t1 on (t1.a=t2.a) };

select t1.*,t2.* from t1 as t0,{ oj t2 left outer join t1 on (t1.a=t2.a) } WHERE t0.a=2;

select t1.*,t2.* from t1 left join t2 using (a);

select t1.*,t2.* from t1 left join t2 using (a) where t1.a=t2.a;

select t1.*,t2.* from t1 left join t2 using (a,c);

select t1.*,t2.* from t1 left join t2 using (c);

select t1.*,t2.* from t1 natural left outer join t2;

select t1.*,t2.* from t1 left join t2 on (t1.a=t2.a) where t2.id=3;

select t1.*,t2.* from t1 left join t2 on (t1.a=t2.a) where t2.id is null;

select t1.*,t2.*,t3.a from t1 left join t2 on (t1.a=t2.a) left join t1 as t3 on (t2.a=t3.a);

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/join_nested.test (GPL-2.0)

SELECT t2.a,t2.b
  FROM t2;

SELECT t3.a,t3.b
  FROM t3;

SELECT t4.a,t4.b
  FROM t4;

SELECT t3.a,t3.b,t4.a,t4.b
  FROM t3,t4;

SELECT t2.a,t2.b,t3.a,t3.b,t4.a,t4.b
  FROM t2
       LEFT JOIN
       (t3, t4)
       ON t2.b=t4.b;

SELECT t2.a,t2.b,t3.a,t3.b,t4.a,t4.b
  FROM t2
       LEFT JOIN
       (t3, t4)
       ON t3.a=1 AND t2.b=t4.b;

SELECT t2.a,t2.b,t3.a,t3.b,t4.a,t4.b
  FROM t2
       LEFT JOIN
       (t3, t4)
       ON t2.b=t4.b
    WHERE t3.a=1 OR t3.c IS NULL;

SELECT t2.a,t2.b,t3.a,t3.b,t4.a,t4.b
  FROM t2
       LEFT JOIN
       (t3, t4)
       ON t2.b=t4.b
    WHERE t3.a>1 OR t3.c IS NULL;

SELECT t5.a,t5.b
  FROM t5;

SELECT t3.a,t3.b,t4.a,t4.b,t5.a,t5.b
  FROM t3,t4,t5;

SELECT t2.a,t2.b,t3.a,t3.b,t4.a,t4.b,t5.a,t5.b
  FROM t2
       LEFT JOIN
       (t3, t4, t5)
       ON t2.b=t4.b;

SELECT t2.a,t2.b,t3.a,t3.b,t4.a,t4.b,t5.a,t5.b
  FROM t2
       LEFT JOIN
       (t3, t4, t5)
       ON t2.b=t4.b
    WHERE t3.a>1 OR t3.c IS NULL;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/group_by.test (GPL-2.0)

SELECT 1 FROM (SELECT 1) as a  GROUP BY SUM(1);

SELECT t2.userid, MIN(t1.score) FROM t1, t2 WHERE t1.userID=t2.userID GROUP BY t2.userid;

SELECT t2.userid, MIN(t1.score) FROM t1, t2 WHERE t1.userID=t2.userID GROUP BY t2.userid ORDER BY NULL;

SELECT t2.userid, MIN(t1.score) FROM t1, t2 WHERE t1.userID=t2.userID AND t1.spID=2  GROUP BY t2.userid;

SELECT t2.userid, MIN(t1.score+0.0) FROM t1, t2 WHERE t1.userID=t2.userID AND t1.spID=2  GROUP BY t2.userid;

SELECT t2.userid, MIN(t1.score+0.0) FROM t1, t2 WHERE t1.userID=t2.userID AND t1.spID=2  GROUP BY t2.userid ORDER BY NULL;

SELECT COUNT(P.URID),SUM(P.amount),P.method, MIN(PP.recdate+0) > 19980501000000   AS IsNew FROM t1 AS P JOIN t1 as PP WHERE P.URID = PP.URID GROUP BY method,IsNew;

SELECT cid, CONCAT(firstname, ' ', surname), COUNT(call_id) FROM t1 LEFT JOIN t2 ON cid=contact_id WHERE firstname like '%foo%' GROUP BY cid;

SELECT cid, CONCAT(firstname, ' ', surname), COUNT(call_id) FROM t1 LEFT JOIN t2 ON cid=contact_id WHERE firstname like '%foo%' GROUP BY cid ORDER BY NULL;

SELECT HIGH_PRIORITY cid, CONCAT(firstname, ' ', surname), COUNT(call_id) FROM t1 LEFT JOIN t2 ON cid=contact_id WHERE firstname like '%foo%' GROUP BY cid ORDER BY surname, firstname;

select value,description,bug_id from t2 left join t1 on t2.program=t1.product and t2.value=t1.component where program="AAAAA";

select value,description,COUNT(bug_id) from t2 left join t1 on t2.program=t1.product and t2.value=t1.component where program="AAAAA" group by value;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/having.test (GPL-2.0)

select count(a) as b from t1 where a=0 having b > 0;

select count(a) as b from t1 where a=0 having b >=0;

SELECT e.id,
   MIN( IF(sgp.raw_ori=1,
          (e.seq_start+sgp.chr_start-sgp.raw_start),
          (sgp.chr_start+sgp.raw_end-e.seq_end))) as start,
   MAX( IF(sgp.raw_ori=1,
           (e.seq_end+sgp.chr_start-sgp.raw_start),
           (sgp.chr_start+sgp.raw_end-e.seq_start))) as end,
   AVG(IF (sgp.raw_ori=1,e.strand,(-e.strand))) as chr_strand
FROM  t1 sgp,
      t2 e
WHERE sgp.raw_id=e.contig_id
GROUP BY e.id
HAVING chr_strand= -1 and end >= 0
  AND start <= 999660;

select Fld1, max(Fld2) as q from t1 group by Fld1 having q is not null;

select Fld1, max(Fld2) from t1 group by Fld1 having max(Fld2) is not null;

select Fld1, max(Fld2) from t1 group by Fld1 having avg(Fld2) is not null;

select Fld1, max(Fld2) from t1 group by Fld1 having std(Fld2) is not null;

select Fld1, max(Fld2) from t1 group by Fld1 having variance(Fld2) is not null;

select id, sum(qty) as sqty from t1 group by id having sqty>2;

select sum(qty) as sqty from t1 group by id having count(id) > 0;

select sum(qty) as sqty from t1 group by id having count(distinct id) > 0;

select
	a.id, a.description,
	count(b.id) as c
from t1 a left join t3 b on a.id=b.order_id
group by a.id, a.description
having (a.description is not null) and (c=0);

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/order_by.test (GPL-2.0)

select t1.id,t1.idservice,t2.ordre,t2.description  from t1, t2 where t1.id = 2   and t1.idservice = t2.id  order by t2.ordre;

select concat(first," ",last) as name from t1 order by name;

select concat(last," ",first) as name from t1 order by name;

select distinct i from t1;

select distinct i from t1 order by rand(5);

select distinct i from t1 order by i desc;

select distinct i from t1 order by 1-i;

select distinct i from t1 order by mod(i,2),i;

select distinct t1.name as 'Building Name',t1.number as 'Building Number' from t1 order by t1.name asc;

select * from t1 order by col1,col2;

select col1 from t1 order by id;

select col1 as id from t1 order by id;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/distinct.test (GPL-2.0)

select id from t1 group by id;

select * from t1 order by id;

select id-5,facility from t1 order by "id-5";

select id,concat(facility) from t1 group by id;

select id+0 as a,max(id),concat(facility) as b from t1 group by a order by b desc,a;

select id >= 0 and id <= 5 as grp,count(*) from t1 group by grp;

SELECT DISTINCT FACILITY FROM t1;

SELECT FACILITY FROM t2;

SELECT count(*) from t1,t2 where t1.facility=t2.facility;

select count(facility) from t1;

select count(*) from t1;

select count(*) from t1 where facility IS NULL;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/subselect.test (GPL-2.0)

select (select 2);

SELECT (SELECT 1) UNION SELECT (SELECT 2);

SELECT (SELECT (SELECT 0 UNION SELECT 0));

SELECT (SELECT 1 FROM (SELECT 1) as b HAVING a=1) as a;

SELECT (SELECT 1 FROM (SELECT 1) as b HAVING b=1) as a,(SELECT 1 FROM (SELECT 1) as c HAVING a=1) as b;

SELECT (SELECT 1),MAX(1) FROM (SELECT 1) as a;

SELECT (SELECT a) as a;

SELECT 1 FROM (SELECT 1 as a) as b HAVING (SELECT a)=1;

SELECT (SELECT 1), a;

SELECT 1 as a FROM (SELECT 1) as b HAVING (SELECT a)=1;

SELECT 1 FROM (SELECT (SELECT a) b) c;

SELECT * FROM (SELECT 1 as id) b WHERE id IN (SELECT * FROM (SELECT 1 as id) c ORDER BY id);

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

select a,c,sum(a) from t1 where a > 10 group by a;

select sum(a) from t1 where a > 10;

select a from t1 order by rand(10);

select distinct a from t1 order by rand(10);

select count(distinct a),count(distinct grp) from t1;

select sum(all a),count(all a),avg(all a),std(all a),variance(all a),bit_or(all a),bit_and(all a),min(all a),max(all a),min(all c),max(all c) from t1;

select grp, sum(a),count(a),avg(a),std(a),variance(a),bit_or(a),bit_and(a),min(a),max(a),min(c),max(c) from t1 group by grp;

select grp, sum(a)+count(a)+avg(a)+std(a)+variance(a)+bit_or(a)+bit_and(a)+min(a)+max(a)+min(c)+max(c) as sum from t1 group by grp;

select * from t2;

select id, avg(value1), std(value1), variance(value1) from t1 group by id;

select name, avg(value1), std(value1), variance(value1) from t1, t2 where t1.id = t2.id group by t1.id;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_str.test (GPL-2.0)

select 'hello',"'hello'",'""hello""','''h''e''l''l''o''',"hel""lo",'hel\'lo';

select 'hello' 'monty';

select length('\n\t\r\b\0\_\%\\');

select bit_length('\n\t\r\b\0\_\%\\');

select char_length('\n\t\r\b\0\_\%\\');

select length(_latin1'\n\t\n\b\0\\_\\%\\');

select concat('monty',' was here ','again'),length('hello'),char(ascii('h')),ord('h');

select hex(char(256));

select locate('he','hello'),locate('he','hello',2),locate('lo','hello',2);

select instr('hello','HE'), instr('hello',binary 'HE'), instr(binary 'hello','HE');

select position(binary 'll' in 'hello'),position('a' in binary 'hello');

select left('hello',null), right('hello',null);

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_math.test (GPL-2.0)

select floor(5.5),floor(-5.5);

select ceiling(5.5),ceiling(-5.5);

select truncate(52.64,1),truncate(52.64,2),truncate(52.64,-1),truncate(52.64,-2), truncate(-52.64,1),truncate(-52.64,-1);

select round(5.5),round(-5.5);

select round(5.64,1),round(5.64,2),round(5.64,-1),round(5.64,-2);

select abs(-10), sign(-5), sign(5), sign(0);

select log(exp(10)),exp(log(sqrt(10))*2),log(-1),log(NULL),log(1,1),log(3,9),log(-1,2),log(NULL,2);

select ln(exp(10)),exp(ln(sqrt(10))*2),ln(-1),ln(0),ln(NULL);

select log2(8),log2(15),log2(-2),log2(0),log2(NULL);

select log10(100),log10(18),log10(-4),log10(0),log10(NULL);

select pow(10,log10(10)),power(2,4);

select rand(999999),rand();

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_time.test (GPL-2.0)

select from_days(to_days("960101")),to_days(960201)-to_days("19960101"),to_days(date_add(curdate(), interval 1 day))-to_days(curdate()),weekday("1997-11-29");

select period_add("9602",-12),period_diff(199505,"9404");

select now()-now(),weekday(curdate())-weekday(now()),unix_timestamp()-unix_timestamp(now());

select from_unixtime(unix_timestamp("1994-03-02 10:11:12")) as e1,from_unixtime(unix_timestamp("1994-03-02 10:11:12"),"%Y-%m-%d %h:%i:%s") as e2,from_unixtime(unix_timestamp("1994-03-02 10:11:12"))+0 as e3;

select sec_to_time(9001),sec_to_time(9001)+0,time_to_sec("15:12:22"),
  sec_to_time(time_to_sec("0:30:47")/6.21);

select sec_to_time(9001.1), time_to_sec('15:12:22.123456'), time_to_sec(15.5566778899);

select sec_to_time(time_to_sec('-838:59:59'));

select sec_to_time('9001.1'), sec_to_time('1234567890123.123');

select sec_to_time(-9001.1), sec_to_time(-9001.1) / 1,
       sec_to_time(-9001.1) / 1e0, sec_to_time(-9001) div 1;

select sec_to_time(90011e-1), sec_to_time(1234567890123e30);

select sec_to_time(1234567890123), sec_to_time('99999999999999999999999999999');

select now()-curdate()*1000000-curtime();

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_if.test (GPL-2.0)

select IF(0,"ERROR","this"),IF(1,"is","ERROR"),IF(NULL,"ERROR","a"),IF(1,2,3)|0,IF(1,2.0,3.0)+0;

select if(1,st,st) s from t1 order by s;

select if(u=1,st,st) s from t1 order by s;

select if(u=1,binary st,st) s from t1 order by s;

select if(u=1,st,binary st) s from t1 where st like "%a%" order by s;

select nullif(u, 1) from t1;

select nullif(1,'test');

select NULLIF(NULL,NULL), NULLIF(NULL,1), NULLIF(NULL,1.0), NULLIF(NULL,"test");

select NULLIF(1,NULL), NULLIF(1.0, NULL), NULLIF("test", NULL);

select sum(if(num is null,0.00,num)) from t1;

select min(if(y -x > 5,y,NULL)), max(if(y - x > 5,y,NULL)) from t1;

select if(1>2,a,avg(a)) from t1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_in.test (GPL-2.0)

select 1 in (1,2,3);

select 10 in (1,2,3);

select NULL in (1,2,3);

select 1 in (1,NULL,3);

select 3 in (1,NULL,3);

select 10 in (1,NULL,3);

select 1.5 in (1.5,2.5,3.5);

select 10.5 in (1.5,2.5,3.5);

select NULL in (1.5,2.5,3.5);

select 1.5 in (1.5,NULL,3.5);

select 3.5 in (1.5,NULL,3.5);

select 10.5 in (1.5,NULL,3.5);

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_like.test (GPL-2.0)

select * from t1 where a like "abc%";

select * from t1 where a like concat("abc","%");

select * from t1 where a like "ABC%";

select * from t1 where a like "test%";

select * from t1 where a like "te_t";

select * from t1 where a like "%a%";

select * from t1 where a like "%abcd%";

select * from t1 where a like "%abc\d%";

select * from t1 where a like 'a\\%' escape '#';

select * from t1 where a like 'a\\%' escape '#' and a like 'a\\\\b';

select * from t1 where a like '2004-03-11 12:00:21';

select * from t1 where a like '%PESA%';

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

SELECT CONCAT_WS('<---->',number,alpha) AS new
FROM t1 GROUP BY new LIMIT 1;

SELECT number, alpha, CONCAT_WS('<->',number,alpha) AS new
FROM t1 GROUP BY new LIMIT 1;

SELECT number, alpha, CONCAT_WS('-',number,alpha,alpha,alpha,alpha,alpha,alpha,alpha) AS new
FROM t1 GROUP BY new LIMIT 1;

SELECT number, alpha, CONCAT_WS('<------------------>',number,alpha) AS new
FROM t1 GROUP BY new LIMIT 1;

select * from t1 where concat(A,C,B,D) = 'AAAA2003-03-011051';

select 'a' union select concat('a', -4);

select 'a' union select concat('a', -4.5);

select 'a' union select concat('a', -(4 + 1));

select 'a' union select concat('a', 4 - 5);

select 'a' union select concat('a', -'3');

select 'a' union select concat('a', -concat('3',4));

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_date_add.test (GPL-2.0)

select visitor_id,max(ts) as mts from t1 group by visitor_id
having mts < DATE_SUB(NOW(),INTERVAL 3 MONTH);

select visitor_id,max(ts) as mts from t1 group by visitor_id
having DATE_ADD(mts,INTERVAL 3 MONTH) < NOW();

SELECT CAST('2006-09-26' AS DATE) + INTERVAL 1 DAY;

SELECT CAST('2006-09-26' AS DATE) + INTERVAL 1 MONTH;

SELECT CAST('2006-09-26' AS DATE) + INTERVAL 1 YEAR;

SELECT CAST('2006-09-26' AS DATE) + INTERVAL 1 WEEK;

select '2007-01-01' + interval a day from t1;

select b + interval a day from t1;

select * from t1 where case a when adddate( '2012-12-12', 7 ) then true end;

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

select 3 & 20010101 + interval 2 day, x from v1;

select (3 & 20010101) + interval 2 day, x from v1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_isnull.test (GPL-2.0)

select * from t1 where isnull(to_days(mydate));

SELECT ISNULL((SELECT GET_LOCK('Bug#53933', 0) FROM t1 GROUP BY f1)) AS f2
FROM t1 GROUP BY f1 HAVING f2 = f2;

SELECT RELEASE_LOCK('Bug#53933');

SELECT t1.id  FROM t1  WHERE (id  is not null and id is null );

SELECT * FROM t1;

SELECT * FROM t1 WHERE d1 IS NULL;

SELECT count(*) FROM t1 WHERE d1 IS NULL;

SELECT * FROM v1;

SELECT * FROM v1 WHERE d1 IS NULL;

SELECT count(*) FROM v1 WHERE d1 IS NULL;

SELECT count(*) FROM ( SELECT * FROM t1 ) AS a1 WHERE d1 IS NULL;

SELECT * FROM t2 LEFT JOIN t1 ON t2.d1=t1.d1 WHERE t1.d1 IS NULL;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_gconcat.test (GPL-2.0)

select grp,group_concat(c) from t1 group by grp;

select grp,group_concat(a,c) from t1 group by grp;

select grp,group_concat("(",a,":",c,")") from t1 group by grp;

select grp,group_concat(c separator ",") from t1 group by grp;

select grp,group_concat(c separator "---->") from t1 group by grp;

select grp,group_concat(c order by c) from t1 group by grp;

select grp,group_concat(c order by c desc) from t1 group by grp;

select grp,group_concat(d order by a) from t1 group by grp;

select grp,group_concat(d order by a desc) from t1 group by grp;

select grp,group_concat(a order by a,d+c-ascii(c)-a) from t1 group by grp;

select grp,group_concat(a order by d+c-ascii(c),a) from t1 group by grp;

select grp,group_concat(c order by 1) from t1 group by grp;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/func_json.test (GPL-2.0)

select json_valid('[1, 2]');

select json_valid('"string"}');

select json_valid('{"key1":1, "key2":[2,3]}');

select json_valid('[false, true, null]');

select json_valid(repeat('[', 1000));

select json_valid(repeat('{"a":', 1000));

select json_value('{"key1":123}', '$.key2');

select json_value('{"key1":123}', '$.key1');

select json_value('{"key1":[1,2,3]}', '$.key1');

select json_value('{"key1": [1,2,3], "key1":123}', '$.key1');

select JSON_VALUE('{ "x": [0,1], "y": "[0,1]", "z": "Mon\\\"t\\\"y" }','$.z') as exp;

select json_query('{"key1":{"a":1, "b":[1,2]}}', '$.key2');

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/union.test (GPL-2.0)

select a,b from t1 union distinct select a,b from t2;

select a,b from t1 union all select a,b from t2;

select a,b from t1 union all select a,b from t2 order by b;

select a,b from t1 union all select a,b from t2 union select 7,'g';

select 0,'#' union select a,b from t1 union all select a,b from t2 union select 7,'gg';

select a,b from t1 union select a,b from t1;

select 't1',b,count(*) from t1 group by b UNION select 't2',b,count(*) from t2 group by b;

(select a,b from t1 limit 2)  union all (select a,b from t2 order by a) limit 4;

(select a,b from t1 limit 2)  union all (select a,b from t2 order by a limit 1);

(select a,b from t1 limit 2)  union all (select a,b from t2 order by a limit 1) order by b desc;

(select a,b from t1 limit 2)  union all (select a,b from t2 order by a limit 1) order by t1.b;

select count(*) from (
(select                      a,b from t1 limit 2)  union all (select a,b from t2 order by a)) q;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/cte_nonrecursive.test (GPL-2.0)

with t as (select a from t1 where b >= 'c')
  select * from t2,t where t2.c=t.a;

select * from t2, (select a from t1 where b >= 'c') as t
   where t2.c=t.a;

with t as (select * from t1 where b >= 'c')
  select * from t2,t where t2.c=t.a;

select * from t2, (select * from t1 where b >= 'c') as t
   where t2.c=t.a;

with t(f1,f2) as (select * from t1 where b >= 'c')
  select * from t2,t where t2.c=t.f1;

with t as (select a, count(*) from t1 where b >= 'c' group by a)
 select * from t2,t where t2.c=t.a;

select * from t2, (select a, count(*) from t1 where b >= 'c' group by a) as t
 where t2.c=t.a;

with t as (select a, count(*) from t1 where b >= 'c'
             group by a having count(*)=1 )
 select * from t2,t where t2.c=t.a;

select * from t2, (select a, count(*) from t1 where b >= 'c'
                      group by a having count(*)=1) t
 where t2.c=t.a;

with t as (select * from t2 where c <= 4)
  select a, count(*) from t1,t where t1.a=t.c group by a having count(*)=1;

select a, count(*) from t1, (select * from t2 where c <= 4) t
  where t1.a=t.c group by a having count(*)=1;

with t as (select * from t2 where c <= 4 )
  select a, count(*) from t1,t where t1.a=t.c group by a order by count(*);

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
a1(a,b) as
(select * from t1 where t1.a>3
union
select * from b1 where b1.a >3
union
select * from c1 where c1.a>3),
b1(a,b) as
(select * from a1 where a1.b > 'ccc'
union
select * from c1 where c1.b > 'ddd'),
c1(a,b) as
(select * from a1 where a1.a<6 and a1.b< 'zz'
union
select * from b1 where b1.b > 'auu')
select * from c1;

with
 s(a) as (select t.a + 10 from t),
 t(a) as (select t1.a from t1)
select * from s;

with recursive
 s(a) as (select t.a + 10 from t),
 t(a) as (select t1.a from t1)
select * from s;

with
t1 as
(
select a  from t2 where t2.a=3
union
select t2.a from t1,t2 where t1.a+1=t2.a
)
select * from t1;

with recursive
t1 as
(
select a  from t2 where t2.a=3
union
select t2.a from t1,t2 where t1.a+1=t2.a
)
select * from t1;

with recursive
ancestors
as
(
  select *
    from folks
      where name = 'Me' and dob = '2000-01-01'
  union
  select p.id, p.name, p.dob, p.father, p.mother
    from folks as p, ancestors AS a
      where p.id = a.father or p.id = a.mother
)
select * from ancestors;

with recursive
ancestors
as
(
  select p.*
    from folks as p, ancestors AS a
      where p.id = a.father or p.id = a.mother
  union
  select *
    from folks
      where name = 'Me' and dob = '2000-01-01'
)
select * from ancestors;

with recursive
ancestors
as
(
  select *
    from folks
      where name = 'Cousin Eddie'
  union
  select p.*
    from folks as p, ancestors as a
      where p.id = a.father or p.id = a.mother
)
select * from ancestors;

with recursive
ancestors
as
(
  select *
    from  folks
      where name = 'Me' or name='Sister Amy'
   union
   select  p.*
     from folks as p, ancestors as a
       where p.id = a.father or p.id = a.mother
)
select * from ancestors;

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
ancestors(id,name,dob)
as
(
  with
  father(child_id,id,name,dob)
  as
  (
    select folks.id, f.id, f.name, f.dob
      from folks, folks f
        where folks.father=f.id

  ),
  mother(child_id,id,name,dob)
  as
  (
    select folks.id, m.id, m.name, m.dob
      from folks, folks m
        where folks.mother=m.id

  )
  select folks.id, folks.name, folks.dob
    from folks
      where name='Me'
  union
  select f.id, f.name, f.dob
    from ancestors a, father f
      where f.child_id=a.id
  union
  select m.id, m.name, m.dob
    from ancestors a, mother m
      where m.child_id=a.id

)
select ancestors.name, ancestors.dob from ancestors;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/win.test (GPL-2.0)

select * from t1 where 1=rank() over (order by a);

select * from t1 where 1>row_number() over (partition by b order by a);

select a, row_number() over (partition by a order by b) from t1;

select a, b, x, row_number() over (partition by a order by x) from t1;

select
  pk, a, b,
  row_number() over (order by a),
  row_number() over (order by b)
from t1
order by b;

select pk, a, rank() over (order by a) from t2;

select pk, a, rank() over (order by a desc) from t2;

select
  pk, c,
  count(*) over (partition by c order by pk
                 rows between 2 preceding and 2 following) as CNT
from t1;

select
  pk, c,
  count(*) over (partition by c order by pk
                 rows between 1 preceding and 2 following) as CNT
from t1;

select
  pk, c,
  count(*) over (partition by c order by pk
                 rows between 2 preceding and current row) as CNT
from t1;

select
  pk,c,
  count(*) over (partition by c order by pk rows
                 between 1 following and 2 following) as CNT
from t1;

select
  pk,c,
  count(*) over (partition by c order by pk rows
                 between 2 preceding and 1 preceding) as CNT
from t1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/case.test (GPL-2.0)

select CASE "b" when "a" then 1 when "b" then 2 END as exp;

select CASE "c" when "a" then 1 when "b" then 2 END as exp;

select CASE "c" when "a" then 1 when "b" then 2 ELSE 3 END as exp;

select CASE BINARY "b" when "a" then 1 when "B" then 2 WHEN "b" then "ok" END as exp;

select CASE "b" when "a" then 1 when binary "B" then 2 WHEN "b" then "ok" END as exp;

select CASE concat("a","b") when concat("ab","") then "a" when "b" then "b" end as exp;

select CASE when 1=0 then "true" else "false" END as exp;

select CASE 1 when 1 then "one" WHEN 2 then "two" ELSE "more" END as exp;

select CASE 2.0 when 1 then "one" WHEN 2.0 then "two" ELSE "more" END as exp;

select (CASE "two" when "one" then "1" WHEN "two" then "2" END) | 0 as exp;

select (CASE "two" when "one" then 1.00 WHEN "two" then 2.00 END) +0.0 as exp;

select case 1/0 when "a" then "true" else "false" END as exp;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/null.test (GPL-2.0)

select null,\N,isnull(null),isnull(1/0),isnull(1/0 = null),ifnull(null,1),ifnull(null,"TRUE"),ifnull("TRUE","ERROR"),1/0 is null,1 is not null;

select 1 | NULL,1 & NULL,1+NULL,1-NULL;

select NULL=NULL,NULL<>NULL,IFNULL(NULL,1.1)+0,IFNULL(NULL,1) | 0;

select strcmp("a",NULL),(1<NULL)+0.0,NULL regexp "a",null like "a%","a%" like null;

select concat("a",NULL),replace(NULL,"a","b"),replace("string","i",NULL),replace("string",NULL,"i"),insert("abc",1,1,NULL),left(NULL,1);

select repeat("a",0),repeat("ab",5+5),repeat("ab",-1),reverse(NULL);

select field(NULL,"a","b","c");

select 2 between null and 1,2 between 3 AND NULL,NULL between 1 and 2,2 between NULL and 3, 2 between 1 AND null;

SELECT NULL AND NULL, 1 AND NULL, NULL AND 1, NULL OR NULL, 0 OR NULL, NULL OR 0;

SELECT (NULL OR NULL) IS NULL;

select NULL AND 0, 0 and NULL;

select inet_ntoa(null),inet_aton(null),inet_aton("122.256"),inet_aton("122.226."),inet_aton("");

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

SELECT * FROM mysql.help_topic WHERE help_category_id != example LIMIT 0;

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

select t1.f1,count(distinct t2.f2),count(distinct 1,NULL) from t1 left join t2 on t1.f1=t2.f1 group by t1.f1;

select count(distinct f) from t1;

select count(distinct a) from t1 group by b;

select count(distinct if(f1,3,f2)) from t1;

select count(distinct i) from v1;

select count(distinct user_id) from t1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/derived.test (GPL-2.0)

select * from (select 2 from DUAL) b;

SELECT 1 as a FROM (SELECT 1 UNION SELECT a) b;

SELECT 1 as a FROM (SELECT a UNION SELECT 1) b;

select t1.a,t3.y from t1,(select a as y from t2  where b='c') as t3  where t1.a = t3.y;

select t1.a,t3.a from t1,(select * from t2  where b='c') as t3  where t1.a = t3.a;

select t1.a,t4.y from t1,(select t2.a as y from t2,(select t3.b from t3 where t3.a>3) as t5  where t2.b=t5.b) as t4  where t1.a = t4.y;

SELECT a FROM (SELECT 1 FROM (SELECT 1) a HAVING a=1) b;

SELECT a,b as a FROM (SELECT '1' as a,'2' as b) b  HAVING a=1;

SELECT a,2 as a FROM (SELECT '1' as a) b HAVING a=2;

SELECT a,2 as a FROM (SELECT '1' as a) b HAVING a=1;

SELECT 1 FROM (SELECT 1) a WHERE a=2;

SELECT (SELECT 1) as a FROM (SELECT 1 FROM t1  HAVING a=1) as a;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/alias.test (GPL-2.0)

SELECT ELT(FIELD(kundentyp,'PP','PPA','PG','PGA','FK','FKA','FP','FPA','K','KA','V','VA',''), 'Privat (Private Nutzung)','Privat (Private Nutzung) Sitz im Ausland','Privat (geschaeftliche Nutzung)','Privat (geschaeftliche Nutzung) Sitz im Ausland','Firma (Kapitalgesellschaft)','Firma (Kapitalgesellschaft) Sitz im Ausland','Firma (Personengesellschaft)','Firma (Personengesellschaft) Sitz im Ausland','oeff. rechtl. Koerperschaft','oeff. rechtl. Koerperschaft Sitz im Ausland','Eingetragener Verein','Eingetragener Verein Sitz im Ausland','Typ unbekannt') AS Kundentyp ,kategorie FROM t1 WHERE hdl_nr < 2000000 AND kategorie IN ('Prepaid','Mobilfunk') AND st_klasse = 'Workflow' GROUP BY kundentyp ORDER BY kategorie;

select t2.* from t2;

select t1.*, t1.* from t1;

select t1.*, a, t1.* from t1;

select a, t1.* from t1;

select t1.*, a from t1;

select a, t1.*, b from t1;

select (select d from t2 where d > a), t1.* from t1;

select t1.*, (select a from t2 where d > a) from t1;

select a as 'x', t1.* from t1;

select t1.*, a as 'x' from t1;

select a as 'x', t1.*, b as 'x' from t1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/olap.test (GPL-2.0)

select product, sum(profit) from t1 group by product;

select product, sum(profit) from t1 group by product with rollup;

select product, sum(profit) from t1 group by 1 with rollup;

select product, sum(profit),avg(profit) from t1 group by product with rollup;

select product, country_id , year, sum(profit) from t1 group by product, country_id, year;

select product, country_id , year, sum(profit) from t1 group by product, country_id, year with rollup;

select product, country_id , sum(profit) from t1 group by product desc, country_id with rollup;

select product, country_id , year, sum(profit) from t1 group by product, country_id, year with rollup limit 5;

select product, country_id , year, sum(profit) from t1 group by product, country_id, year with rollup limit 3,3;

select product, country_id, count(*), count(distinct year) from t1 group by product, country_id;

select product, country_id, count(*), count(distinct year) from t1 group by product, country_id with rollup;

select product, country_id , year, sum(profit) from t1 group by product, country_id, year with rollup having country_id = 1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/group_min_max.test (GPL-2.0)

select a1, min(a2) from t1 group by a1;

select a1, max(a2) from t1 group by a1;

select a1, min(a2), max(a2) from t1 group by a1;

select a1, a2, b, min(c), max(c) from t1 group by a1,a2,b;

select a1,a2,b,max(c),min(c) from t1 group by a1,a2,b;

select a1,a2,b,max(c),min(c) from t2 group by a1,a2,b;

select min(a2), a1, max(a2), min(a2), a1 from t1 group by a1;

select a1, b, min(c), a1, max(c), b, a2, max(c), max(c) from t1 group by a1, a2, b;

select min(a2) from t1 group by a1;

select a2, min(c), max(c) from t1 group by a1,a2,b;

select a1,a2,b,min(c),max(c) from t1 where a1 < 'd' group by a1,a2,b;

select a1,a2,b,min(c),max(c) from t1 where a1 >= 'b' group by a1,a2,b;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/negation_elimination.test (GPL-2.0)

select * from t1 where not(not(a));

select * from t1 where not(not(not(a > 10)));

select * from t1 where not(not(not(a < 5) and not(a > 10)));

select * from t1 where not(a = 10);

select * from t1 where not(a != 1);

select * from t1 where not(a < 10);

select * from t1 where not(a >= 10);

select * from t1 where not(a > 10);

select * from t1 where not(a <= 10);

select * from t1 where not(a is null);

select * from t1 where not(a is not null);

select * from t1 where not(a < 5 or a > 15);

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/compare.test (GPL-2.0)

select * from t1 where id=000000000001;

SELECT 'a' = 'a ';

SELECT 'a\0' < 'a';

SELECT 'a\0' < 'a ';

SELECT 'a\t' < 'a';

SELECT 'a\t' < 'a ';

SELECT hex(a),STRCMP(a,'a'), STRCMP(a,'a ') FROM t1;

SELECT CHAR(31) = '', '' = CHAR(31);

SELECT CHAR(30) = '', '' = CHAR(30);

select * from t1 where a=b;

select * from t1 where a=b and b=0x01;

SELECT CONCAT(b,c), CONCAT(b,c) = '0101' FROM t1;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/select_found.test (GPL-2.0)

select SQL_CALC_FOUND_ROWS * from t1;

select found_rows();

select SQL_CALC_FOUND_ROWS * from t1 limit 1;

select SQL_BUFFER_RESULT SQL_CALC_FOUND_ROWS * from t1 limit 1;

select SQL_CALC_FOUND_ROWS * from t1 order by b desc limit 1;

select SQL_CALC_FOUND_ROWS distinct b from t1 limit 1;

select SQL_CALC_FOUND_ROWS b,count(*) as c from t1 group by b order by c desc limit 1;

select SQL_CALC_FOUND_ROWS * from t1 left join t1 as t2 on (t1.b=t2.a) limit 2,1;

select sql_calc_found_rows a from t1 where a in (1,2,3) order by a desc limit 0,2;

select FOUND_ROWS();

select sql_calc_found_rows a from t1 where a in (1,2,3) order by a+2 desc limit 0,2;

SELECT SQL_CALC_FOUND_ROWS DISTINCT email FROM t2 LEFT JOIN t1  ON kid = t2.id WHERE t1.id IS NULL LIMIT 10;

-- source: mariadb-test-data /usr/share/mysql/mysql-test/main/insert_select.test (GPL-2.0)

Select null, Field, Count From t1 Where Month=20030901 and Type=2;

select SQL_BUFFER_RESULT * from t1 WHERE (SEQ = 1);

SELECT COUNT(*) FROM t1;

SELECT min(t2.f1) FROM t1, t2 where t2.f2 = 'SIR' GROUP BY t1.f1;

SELECT * FROM t2;

SELECT (SELECT SUM(LENGTH(c)) FROM t1 WHERE c='13_characters') FROM t1;

select @@sql_mode like '%strict_all_tables%';
