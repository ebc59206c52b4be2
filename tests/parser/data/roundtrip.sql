# Statements that the SELECT parser reads and that must come back as text which reads back into the
# same model and is written the same way again: with identifier quoting on and off, keywords as
# written and in lower case, and once with First_Upper function names.
#
# One statement a line. "\n" in a line stands for a CR LF line break, "\t" for a tab. A line may
# start with marks in brackets:
#   [quoted]       it holds names that only quoting writes back (blanks, quotes, keyword spellings);
#                  with quoting off it must still be read and written, but is not read back.
#   [fault-text]   known fault: the written text does not read back into the same text.
#   [fault-model]  known fault: the written text reads back into another model (the two models,
#                  written with the other quoting, differ).
# A marked fault must still show: once it is mended the test asks for the mark to go.

# --- Select list: names, qualified names, stars -------------------------------------------------
SELECT a FROM t
SELECT a, b, c FROM t
SELECT t.a FROM t
SELECT t.a, t.b FROM t
SELECT x.a, x.b FROM orders x
SELECT a FROM t x
SELECT a FROM t AS x
SELECT x.a FROM t AS x
SELECT a, t.b FROM t
SELECT t.* FROM t
SELECT * FROM t
SELECT * FROM t x
SELECT * FROM t, u
SELECT t.*, u.a FROM t, u
SELECT x.*, y.* FROM t x, u y
SELECT a, * FROM t
SELECT t.*, COUNT(*) FROM t
SELECT *
SELECT "t"."a" FROM "t"
SELECT "x"."y" FROM "x"
SELECT "price" FROM t
SELECT DISTINCT a FROM t
SELECT DISTINCT t.a, t.b FROM t
SELECT DISTINCT * FROM t

# --- Select list: several tables ----------------------------------------------------------------
SELECT a, b FROM t1, t2
SELECT x.c FROM a x, b
SELECT x.a, b FROM t1 x, t2 y
SELECT a, x.b FROM t1 x, t2 y
SELECT a, b FROM t1 x, t2
SELECT u.b, t.a FROM t, u
SELECT t1.a, t2.b FROM t1, t2 WHERE t1.id = t2.id
SELECT x.a FROM t x, t y
SELECT a FROM t1 x, t2 y, t3 z
# Two FROM entries with one qualifier: the fields of the second come back as fields of the first
# and get new aliases (a1, b2) on every round trip.

# --- Select list: aliases -----------------------------------------------------------------------
SELECT a AS b FROM t
SELECT a b FROM t
SELECT a AS x, b AS y FROM t
SELECT t.a x FROM t
SELECT a, b AS a FROM t
SELECT a AS b, b FROM t
SELECT 1 AS one FROM t
SELECT 'x' AS lit FROM t
SELECT a + 1 AS n FROM t
SELECT t.a AS "x" FROM t
[quoted] SELECT a AS "Total Sales" FROM t
[quoted] SELECT a AS "select" FROM t
[quoted] SELECT a AS "Order" FROM t
[quoted] SELECT a AS "SUM" FROM t
[quoted] SELECT a AS "1abc" FROM t
[quoted] SELECT a AS "x""y" FROM t
[quoted] SELECT MAX(t.a) AS "max" FROM t
SELECT FIELD_1, 1 FROM t
SELECT 1, a AS FIELD_1 FROM t
# A column named like an earlier column's alias: read unqualified, the earlier column lands after
# it in the table's field list, so no alias is added; read back in select order, it gets a1.
SELECT n AS a, t.a FROM t
SELECT n a, z.a FROM t z

# --- Select list: names that need quotes --------------------------------------------------------
[quoted] SELECT "My Col" FROM "My Table"
[quoted] SELECT "T x".a FROM "T x"
[quoted] SELECT a FROM "T x"
[quoted] SELECT a FROM "T x" "y z"
[quoted] SELECT "a""b" FROM t
[quoted] SELECT a FROM "customer.db"
[quoted] SELECT "select" FROM t

# --- Select list: calls -------------------------------------------------------------------------
SELECT COUNT(*) FROM t
SELECT count(*) FROM t
SELECT Count(*) AS n, t.a FROM t
SELECT COUNT(*), COUNT(*) FROM t
SELECT COUNT(t.a) FROM t
SELECT SUM(t.a), MAX(t.b), MIN(t.c), AVG(t.d) FROM t
SELECT t.a, SUM(t.b) AS total FROM t
SELECT UPPER(t.a) AS u FROM t
SELECT LOWER(TRIM(t.a)) FROM t
SELECT SUBSTRING(t.a, 1, 2) FROM t
SELECT COALESCE(x.a, y.b) FROM t x, u y
SELECT COALESCE(t.a, 'none') FROM t
SELECT f() FROM t
SELECT f(1, 'x', 2.5) FROM t
SELECT f('It''s', '') FROM t
SELECT f('''') FROM t
SELECT f(*) FROM t
SELECT SUM(a) + 1 FROM t
SELECT SUM(a + b) FROM t
SELECT COUNT(*) + 1 FROM t
# A call argument read without a qualifier is written with its table's alias, and that qualified
# name reads back as a name of its own: with quoting on, the quotes are then part of the stored
# name, so the model read back no longer follows the quoting (nor the table's alias).
SELECT COUNT(a) FROM t
SELECT SUM(a), MAX(b), MIN(c), AVG(d) FROM t
SELECT a, SUM(b) FROM t
SELECT UPPER(a) FROM t
SELECT SUBSTRING(COALESCE(SUM(c), 0), 1, 2) FROM t
SELECT COALESCE(a, 'none') FROM t
SELECT a, UPPER(b), MAX(c) FROM t
SELECT f((a)) FROM t

# --- Select list: literals ----------------------------------------------------------------------
SELECT 1
SELECT 1, 2
SELECT 1, 'x', 2.5
SELECT COUNT(*)
SELECT t.a, 1
# Without a FROM entry the derived GROUP BY is still written, after the select list, where it
# cannot be read: SELECT a, COUNT(*) GROUP BY a.
SELECT a, COUNT(*)
SELECT t.a, SUM(t.b)
SELECT 1.5 FROM t
SELECT 'abc' FROM t
SELECT '' FROM t
SELECT "" FROM t
SELECT 'It''s' FROM t
SELECT '''' FROM t
SELECT '''''' FROM t
SELECT 'a''b''c' FROM t
SELECT '"' FROM t
SELECT '""' FROM t
SELECT '"x"' FROM t
SELECT '''x''' FROM t
SELECT 'a b ; c' FROM t
SELECT a, 1, 'x', 2.5, b FROM t

# --- Select list: arithmetic --------------------------------------------------------------------
SELECT a + 1 FROM t
SELECT a - b FROM t
SELECT a * 2 FROM t
SELECT a / 2 FROM t
SELECT a + b * c - d / e FROM t
SELECT t.a + t.b FROM t
SELECT 'a' + 'b' FROM t
SELECT '''' + 'y' FROM t
SELECT 1 + 2.5 FROM t

# --- FROM: stored procedures --------------------------------------------------------------------
SELECT * FROM proc(:p)
SELECT * FROM p(:x, 10, 'a')
SELECT * FROM p(x)
SELECT * FROM p(1.5)
SELECT * FROM p(a + 1)
SELECT * FROM p(UPPER(a))
SELECT * FROM p('It''s')
SELECT * FROM p('')
SELECT * FROM p('"x"')
SELECT * FROM p('''x''')
SELECT * FROM p((1))
SELECT * FROM p()
# A "*" argument is kept as a parameter without a name: p(:), p(:, 1).
SELECT s.x FROM proc(:p) s
SELECT s.x FROM proc(:p) AS s
SELECT x.a FROM p(:a, :b) x
SELECT * FROM p(:a) x, q(:b) y
SELECT * FROM t, p(1)
SELECT t.a, s.b FROM t INNER JOIN p(:x) s ON t.a = s.b

# --- FROM: joins --------------------------------------------------------------------------------
SELECT t.a, u.b FROM t INNER JOIN u ON t.a = u.b
SELECT t.a, u.b FROM t INNER JOIN u ON u.b < t.a
SELECT t.a, u.b FROM t INNER JOIN u ON (t.a = u.b)
SELECT t.a, u.b FROM t INNER JOIN u ON ((t.a = u.b))
SELECT t.a, u.b FROM t INNER JOIN u ON t.a=u.b
SELECT t.a, u.b FROM t INNER JOIN u ON t.a<>u.b
SELECT t.a, u.b FROM t INNER JOIN u ON u.b<=t.a
SELECT t.a, u.b FROM t LEFT JOIN u ON t.a = u.b
SELECT t.a, u.b FROM t LEFT OUTER JOIN u ON t.a = u.b
SELECT t.a, u.b FROM t LEFT OUTER JOIN u ON u.b = t.a
SELECT t.a, u.b FROM t RIGHT JOIN u ON t.a = u.b
SELECT t.a, u.b FROM t RIGHT OUTER JOIN u ON t.a = u.b
SELECT t.a, u.b FROM t FULL JOIN u ON t.a = u.b
SELECT t.a, u.b FROM t FULL OUTER JOIN u ON t.a = u.b
SELECT t.a, u.b FROM t INNER JOIN u ON t.a <> u.b
SELECT t.a, u.b FROM t INNER JOIN u ON t.a >= u.b
SELECT t.a, u.b FROM t INNER JOIN u ON u.b >= t.a
SELECT t.a, u.b FROM t INNER JOIN u ON u.b <= t.a
SELECT t.a, u.b FROM t INNER JOIN u ON u.b > t.a
SELECT u.b, t.a FROM t INNER JOIN u ON t.a = u.b
SELECT x.a, y.b FROM t x INNER JOIN u y ON x.a = y.b
SELECT x.a, y.b FROM t AS x INNER JOIN u AS y ON x.a = y.b
SELECT x.a, y.a FROM t x INNER JOIN t y ON x.id = y.parent
SELECT t.a, u.b, v.c FROM t INNER JOIN u ON t.a = u.b INNER JOIN v ON u.b = v.c
SELECT t.a, u.b, v.c FROM t INNER JOIN u ON t.a = u.b INNER JOIN v ON v.c = u.b
SELECT t.a, u.b, v.c FROM t INNER JOIN u ON t.a = u.b LEFT JOIN v ON t.a = v.c
SELECT t.a, u.b, v.c FROM t INNER JOIN u ON t.a = u.b RIGHT OUTER JOIN v ON t.a = v.c FULL OUTER JOIN w ON v.c = w.d
SELECT t.a, u.b, w.c FROM t INNER JOIN u ON t.a = u.b, w
SELECT t.a, u.b, w.c, z.d FROM t INNER JOIN u ON t.a = u.b, w INNER JOIN z ON w.c = z.d
select t.a, u.b from t left outer join u on t.a = u.b where t.a is not null
# An unqualified computed column read after qualified columns of two tables is copied into both:
# the statement comes back with the column twice, and each round trip doubles it again.
SELECT t.a, u.b, COUNT(*) FROM t LEFT JOIN u ON t.id = u.tid GROUP BY t.a, u.b
SELECT t.a, u.b, 1 FROM t, u
SELECT x.a, y.b, 'x' FROM t x, u y
SELECT x.a, y.b, a + 1 FROM t x, u y

# --- WHERE: comparisons -------------------------------------------------------------------------
SELECT a FROM t WHERE a = 1
SELECT a FROM t WHERE a <> 1
SELECT a FROM t WHERE a<>1
SELECT a FROM t WHERE a < 1
SELECT a FROM t WHERE a > 1
SELECT a FROM t WHERE a <= 1
SELECT a FROM t WHERE a >= 1
SELECT a FROM t WHERE a<=1 AND b>=2
SELECT a FROM t WHERE a = 'x'
SELECT a FROM t WHERE a = ''
SELECT a FROM t WHERE a = ""
SELECT a FROM t WHERE a = 'It''s'
SELECT a FROM t WHERE x = 'It''s' AND y = ''''
SELECT a FROM t WHERE a = ''''''
SELECT a FROM t WHERE a = '''x'''
SELECT a FROM t WHERE a = '"x"'
SELECT a FROM t WHERE a = 1.5
SELECT a FROM t WHERE a = b
SELECT a FROM t WHERE a = "x"
SELECT a FROM t WHERE t.a = 1
SELECT a FROM t WHERE t.a = u.b
SELECT a FROM t WHERE "t"."x" = 1
SELECT a FROM t WHERE a.b.c = 1
SELECT a FROM t WHERE a = ';'
SELECT a FROM t WHERE b = 'x;y'
SELECT a FROM t WHERE op = '+'
SELECT a FROM t WHERE UPPER(a) = 'X'
SELECT a FROM t WHERE f('It''s') = 1
SELECT a FROM t WHERE a + 1 = b * 2
SELECT a FROM t WHERE a = 1 - 2
SELECT a FROM t WHERE a = (1)
SELECT a FROM t WHERE a = (b + 1) * 2
SELECT a FROM t WHERE a = 'x' + 'y'
SELECT a FROM t WHERE SUM(A, B) = 1
SELECT a FROM t WHERE a = COUNT(*)
[quoted] SELECT a FROM t WHERE "a.b".c = 1
[quoted] SELECT a FROM t WHERE "My Col" = 1

# --- WHERE: operators ---------------------------------------------------------------------------
SELECT a FROM t WHERE a BETWEEN 1 AND 5
SELECT a FROM t WHERE a NOT BETWEEN 1 AND 5
SELECT a FROM t WHERE a BETWEEN 1 AND 5 AND b = 2
SELECT a FROM t WHERE a BETWEEN b AND c + 1
SELECT a FROM t WHERE a BETWEEN 'a' AND 'z'
SELECT a FROM t WHERE a IN (1, 2, 3)
SELECT a FROM t WHERE a IN ('x', 'y')
SELECT a FROM t WHERE a IN (1, 'two', 3.0, b, UPPER(c))
SELECT a FROM t WHERE a IN (b + 1, 2)
SELECT a FROM t WHERE a IN ((1), 2)
SELECT a FROM t WHERE a NOT IN (1, 2)
SELECT a FROM t WHERE a IN (1)
SELECT a FROM t WHERE (A IN (1))
SELECT a FROM t WHERE a IS NULL
SELECT a FROM t WHERE a IS NOT NULL
SELECT a FROM t WHERE a IS NULL OR a IS NOT NULL
SELECT a FROM t WHERE a LIKE 'x%'
SELECT a FROM t WHERE a LIKE '%'
SELECT a FROM t WHERE a NOT LIKE 'x%'
SELECT a FROM t WHERE a IS NULL AND b BETWEEN 1 AND 2 OR c IN (1) AND d LIKE 'x'
select a from t where a not in (1, 2) and b not like 'x' or c not between 1 and 2
# A "*" is accepted as an operand and written as nothing: (a =), (a IN ()).

# --- WHERE: AND, OR, NOT and parentheses --------------------------------------------------------
SELECT a FROM t WHERE a = 1 AND b = 2
SELECT a FROM t WHERE a = 1 OR b = 2
SELECT a FROM t WHERE a = 1 AND b = 2 AND c = 3
SELECT a FROM t WHERE a = 1 OR b = 2 OR c = 3
SELECT a FROM t WHERE a = 1 AND b = 2 OR c = 3
SELECT a FROM t WHERE a = 1 OR b = 2 AND c = 3
SELECT a FROM t WHERE a = 1 OR b = 2 AND c = 3 OR d = 4
SELECT a FROM t WHERE a = b AND b = c AND c = d AND d = e OR f = g
SELECT a FROM t WHERE (a = 1 OR b = 2) AND c = 3
SELECT a FROM t WHERE (x = 1) AND (y = 2 OR z = 3)
SELECT a FROM t WHERE (a < 1) AND (b >= 2)
SELECT a FROM t WHERE ((A IS NULL) OR (B = 1)) AND (C = 2)
SELECT a FROM t WHERE ((a = 1))
SELECT a FROM t WHERE ((a = 1 AND b = 2))
SELECT a FROM t WHERE (a = 1 AND (b = 2 OR (c = 3 AND d = 4)))
SELECT a FROM t WHERE a = 1 AND (b = 2) AND (c = 3 OR d = 4) OR e = 5
SELECT a FROM t WHERE ((a = 1) OR (b = 2)) AND ((c = 3) OR (d = 4))
SELECT a FROM t WHERE NOT a = 1
SELECT a FROM t WHERE NOT (a = 1)
SELECT a FROM t WHERE NOT ((a = 1) AND (b = 2))
SELECT a FROM t WHERE NOT (a = 1 OR b = 2)
SELECT a FROM t WHERE NOT a = 1 AND b = 2
SELECT a FROM t WHERE a = 1 AND NOT b = 2
SELECT a FROM t WHERE a = 1 AND NOT (b = 2 OR c = 3)
SELECT a FROM t WHERE NOT NOT a = 1
SELECT a FROM t WHERE NOT (NOT (a = 1))
SELECT a FROM t WHERE (NOT a = 1)
SELECT a FROM t WHERE ((NOT a = 1) AND b = 2)
SELECT a FROM t WHERE NOT (a = 1) AND NOT (b = 2)
SELECT a FROM t WHERE NOT (a = 1) OR NOT (b = 2)
SELECT a FROM t WHERE NOT (a = 1 AND b = 2) OR c = 3
SELECT a FROM t WHERE a = 1 OR NOT (b = 2 AND c = 3)
SELECT a FROM t WHERE NOT (a = 1 OR b = 2) AND NOT (c = 3 OR d = 4)

# --- GROUP BY and HAVING ------------------------------------------------------------------------
SELECT t.a, SUM(t.b) FROM t GROUP BY t.a
SELECT t.a, SUM(t.b) FROM t GROUP BY t.a HAVING SUM(t.b) > 10
SELECT t.a, SUM(t.b) FROM t GROUP BY t.a HAVING SUM(t.b) > 10 AND COUNT(*) < 5
SELECT t.a, COUNT(*) FROM t GROUP BY t.a HAVING COUNT(*) > 1 OR SUM(t.b) < 2
SELECT t.a, COUNT(*) FROM t GROUP BY t.a HAVING NOT COUNT(*) > 1
SELECT t.a, MAX(t.b) AS m FROM t WHERE b > 0 GROUP BY t.a ORDER BY a
SELECT t.a, SUM(t.b) FROM t WHERE a > 1 GROUP BY t.a HAVING SUM(b) > 10 ORDER BY a
SELECT t.a, SUM(t.b) FROM t GROUP BY a, a
SELECT t.a, SUM(t.b) FROM t GROUP BY "a"
SELECT t.a, SUM(t.b) FROM t HAVING SUM(t.b) > 1
SELECT SUM(t.b) FROM t GROUP BY a HAVING SUM(b) > 1
SELECT t.a FROM t GROUP BY t.a
SELECT t.a, COUNT(*) FROM t
SELECT COUNT(*), t.a, u.b FROM t INNER JOIN u ON t.id = u.tid GROUP BY t.a, u.b

# --- ORDER BY -----------------------------------------------------------------------------------
SELECT a FROM t ORDER BY a
SELECT a FROM t ORDER BY a DESC
SELECT a FROM t ORDER BY a ASC
SELECT a, b FROM t ORDER BY a DESC, b
SELECT a, b FROM t ORDER BY a, a
SELECT a FROM t ORDER BY a DESC, a ASC
SELECT a FROM t ORDER BY a DESC, b DESC, c
SELECT a FROM t ORDER BY t.a DESC
SELECT a FROM t ORDER BY b
SELECT a FROM t ORDER BY "x"."y" DESC
SELECT a FROM t x WHERE x.a = 1 ORDER BY x.a
SELECT a FROM t x INNER JOIN u y ON x.a = y.a WHERE x.a = y.a ORDER BY y.a DESC
SELECT a FROM t WHERE a = ';' ORDER BY a
[quoted] SELECT a FROM t ORDER BY "My Col"
# A three-part name comes back as "x.y"."z": one quoted part holding a dot, no longer three parts.
SELECT a FROM t ORDER BY x.y.z

# --- Letter case, line breaks, blanks, end of statement -----------------------------------------
select a from t where a = 1 order by a desc
Select A From T Where A = 1
SeLeCt DiStInCt a FrOm t WhErE a = 1 oRdEr By a DeSc
SELECT a FROM t WHERE a = 1 ORDER BY a
SELECT a\nFROM t\nWHERE a = 1
SELECT a FROM t WHERE a = 1\nAND b = 2\nORDER BY a
SELECT\n  a,\n  b\nFROM\n  t\n
SELECT\ta\tFROM\tt\tWHERE\ta\t=\t1
SELECT   a  ,  b   FROM   t   WHERE   a   =   1
SELECT a FROM t;
SELECT a FROM t WHERE a = 1;
SELECT a FROM t WHERE a = 1 ; this is not read

# Forms people write: grouping beyond the select list, HAVING without GROUP BY, literal words,
# unqualified columns over several tables, signs, comments, joins on several columns, DISTINCT in
# calls, positions and expressions in ORDER BY, and what is kept whole.
SELECT b, c FROM t GROUP BY b, c
SELECT a, COUNT(*) FROM t GROUP BY 1
SELECT max(x) FROM xy GROUP BY y
SELECT b, c FROM t GROUP BY b, c HAVING count(*) = 1
SELECT a, SUM(b) FROM t GROUP BY a, upper(c), 2
SELECT MIN(a) FROM t HAVING MIN(a) = MAX(a)
SELECT 'x' FROM t WHERE j = 0 HAVING count(*) = 2
SELECT TRUE, FALSE, NULL, CURRENT_DATE, CURRENT_TIME, CURRENT_TIMESTAMP, LOCALTIME, LOCALTIMESTAMP, CURRENT_USER, USER FROM t WHERE a = TRUE AND b <> NULL
SELECT current_date, x.current_date, user.x FROM x, user WHERE x.a = null
SELECT upper(x), y FROM a INNER JOIN b ON a.id = b.id
SELECT y, COUNT(*) FROM a, b
SELECT b.*, a.* FROM a JOIN b ON a.id = b.id
SELECT a.*, b.* FROM a JOIN b ON a.id = b.id
SELECT *, a.x FROM a, b
SELECT "My Col" AS "x y", "Mixed" AS "quoted alias", "select" FROM "My T"
SELECT * FROM f()
SELECT x.a FROM f() x
SELECT * FROM f
SELECT SUM(b), o
SELECT a FROM t JOIN u ON t.a = u.b
SELECT -1.5, -x, +3, POINT(2.5, -6.7), 1e-308, 1.5E+10, a - -1, - -a FROM t WHERE a > -1 AND b BETWEEN -2 AND +2
SELECT t.a FROM t JOIN u ON t.a = u.b AND t.c = u.d LEFT JOIN v ON (u.e = v.e AND v.f >= u.f)
SELECT COUNT(DISTINCT x), SUM(ALL x), count(DISTINCT t.b), COUNT(DISTINCT a, b) FROM t
SELECT COUNT(DISTINCT x) FROM t
SELECT a -- the key\n  , b /* and\n another */ FROM t -- done
SELECT a FROM t ORDER BY 1, 2 DESC, upper(d), a + 1 DESC, -b
SELECT a, SUM(b) FROM t GROUP BY 1 ORDER BY 2 DESC
SELECT a FROM t WHERE x IN (SELECT y FROM u WHERE u.z = t.a) AND EXISTS (SELECT 1 FROM v) AND NOT EXISTS(SELECT 2 FROM w)
SELECT (SELECT max(b) FROM u) AS c, CASE WHEN a > 1 THEN 'x' ELSE 'y' END, CAST(a AS DECIMAL(10, 2)) FROM t
SELECT CASE  WHEN a /* x */ =\n 1 THEN b END FROM t
SELECT EXTRACT(YEAR FROM d), TRIM(BOTH ' ' FROM s), DATE '2001-02-03', INTERVAL '1' DAY, a::int FROM t
SELECT a FROM t WHERE (a + b) > 5 AND (SELECT count(*) FROM u) < 3
SELECT a FROM t WHERE a = ANY (SELECT b FROM u) OR a IN (SELECT c FROM v WHERE v.d = 'x;y')
SELECT COALESCE(a, 0) - -1, -(b + c), +d FROM t ORDER BY -(b + c) DESC
SELECT a FROM t t1 JOIN u ON (t1.a = u.a) AND (t1.b = u.b) JOIN v ON v.c = u.c
SELECT a FROM t WHERE a = 1 /* unclosed ; inside */ AND b = 'x' -- ; here\n ORDER BY a
SELECT CASE a WHEN 1 THEN (SELECT 'x') ELSE CASE WHEN b THEN 'y' END END AS c FROM t
SELECT p.x FROM proc() p, t WHERE t.y = p.x GROUP BY p.x, t.y HAVING count(*) > 1
SELECT a FROM t WHERE a = ? AND b > :p AND c IN (:x, $1) AND d = @v OR e BETWEEN ? AND ?
