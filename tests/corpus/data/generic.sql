-- Real SELECT statements in standard SQL as PostgreSQL 15 reads it, taken from
-- the PostgreSQL manual's examples and regression tests, with their sources.
-- Each statement ends at the first line whose last non-blank character is ";".
-- See tests/corpus/README.md for how they were chosen.

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/app-psql.html (PostgreSQL Licence)

SELECT * FROM foo;

SELECT * FROM customer WHERE customer_id = 123;

SELECT * FROM employee WHERE employee_id = 456;

select 1;

select 2;

select 3;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/arrays.html (PostgreSQL Licence)

SELECT * FROM sal_emp;

SELECT name FROM sal_emp WHERE pay_by_quarter[1] <> pay_by_quarter[2];

SELECT pay_by_quarter[3] FROM sal_emp;

SELECT schedule[1:2][1:1] FROM sal_emp WHERE name = 'Bill';

SELECT schedule[1:2][2] FROM sal_emp WHERE name = 'Bill';

SELECT schedule[:2][2:] FROM sal_emp WHERE name = 'Bill';

SELECT array_dims(schedule) FROM sal_emp WHERE name = 'Carol';

SELECT array_upper(schedule, 1) FROM sal_emp WHERE name = 'Carol';

SELECT array_length(schedule, 1) FROM sal_emp WHERE name = 'Carol';

SELECT cardinality(schedule) FROM sal_emp WHERE name = 'Carol';

SELECT ARRAY[1,2] || ARRAY[3,4];

SELECT array_dims(1 || '[0:1]={2,3}'::int[]);

SELECT array_dims(ARRAY[1,2] || ARRAY[3,4,5]);

SELECT array_dims(ARRAY[1,2] || ARRAY[[3,4],[5,6]]);

SELECT array_prepend(1, ARRAY[2,3]);

SELECT ARRAY[1, 2] || '{3, 4}';

SELECT * FROM sal_emp WHERE pay_by_quarter[1] = 10000 OR
                            pay_by_quarter[2] = 10000 OR
                            pay_by_quarter[3] = 10000 OR
                            pay_by_quarter[4] = 10000;

SELECT * FROM sal_emp WHERE 10000 = ANY (pay_by_quarter);

SELECT * FROM sal_emp WHERE 10000 = ALL (pay_by_quarter);

SELECT * FROM
   (SELECT pay_by_quarter,
           generate_subscripts(pay_by_quarter, 1) AS s
      FROM sal_emp) AS foo
 WHERE pay_by_quarter[s] = 10000;

SELECT * FROM sal_emp WHERE pay_by_quarter && ARRAY[10000];

SELECT array_position(ARRAY['sun','mon','tue','wed','thu','fri','sat'], 'mon');

SELECT f1[1][-2][3] AS e1, f1[1][-1][5] AS e2
 FROM (SELECT '[1:1][-2:-1][3:5]={{{1,2,3},{4,5,6}}}'::int[] AS f1) AS ss;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/bloom.html (PostgreSQL Licence)

SELECT 10000000;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/btree-gin.html (PostgreSQL Licence)

SELECT * FROM test WHERE a < 10;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/btree-gist.html (PostgreSQL Licence)

SELECT *, a <-> 42 AS dist FROM test ORDER BY a <-> 42 LIMIT 10;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/citext.html (PostgreSQL Licence)

SELECT * FROM users WHERE nick = 'Larry';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/collation.html (PostgreSQL Licence)

SELECT a < 'foo' FROM test1;

SELECT a < ('foo' COLLATE "fr_FR") FROM test1;

SELECT a < b FROM test1;

SELECT a < b COLLATE "de_DE" FROM test1;

SELECT a COLLATE "de_DE" < b FROM test1;

SELECT a || b FROM test1;

SELECT * FROM test1 ORDER BY a || 'foo';

SELECT * FROM test1 ORDER BY a || b;

SELECT * FROM test1 ORDER BY a || b COLLATE "fr_FR";

SELECT a COLLATE "C" < b COLLATE "POSIX" FROM test1;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/continuous-archiving.html (PostgreSQL Licence)

SELECT pg_backup_start(label => 'label', fast => false);

SELECT * FROM pg_backup_stop(wait_for_archive => true);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/contrib-dblink-cancel-query.html (PostgreSQL Licence)

SELECT dblink_cancel_query('dtest1');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/contrib-dblink-error-message.html (PostgreSQL Licence)

SELECT dblink_error_message('dtest1');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/contrib-dblink-function.html (PostgreSQL Licence)

SELECT *
    FROM dblink('dbname=mydb options=-csearch_path=',
                'select proname, prosrc from pg_proc')
      AS t1(proname name, prosrc text)
    WHERE proname LIKE 'bytea%';

SELECT * FROM myremote_pg_proc WHERE proname LIKE 'bytea%';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/contrib-dblink-get-connections.html (PostgreSQL Licence)

SELECT dblink_get_connections();

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/contrib-dblink-is-busy.html (PostgreSQL Licence)

SELECT dblink_is_busy('dtest1');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/contrib-dblink-send-query.html (PostgreSQL Licence)

SELECT dblink_send_query('dtest1', 'SELECT * FROM foo WHERE f1 < 3');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/cube.html (PostgreSQL Licence)

SELECT c FROM test ORDER BY c <-> cube(array[0.5,0.5,0.5]) LIMIT 1;

SELECT c FROM test ORDER BY c ~> 1 LIMIT 5;

SELECT c FROM test ORDER BY c ~> 3 DESC LIMIT 5;

select cube_union('(0,5,2),(2,3,1)', '0');

select cube_inter('(0,-1),(1,1)', '(-2),(2)');

select cube_contains('(0,0),(1,1)', '0.5,0.5');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-binary.html (PostgreSQL Licence)

SELECT '\xDEADBEEF'::bytea;

SELECT 'abc \153\154\155 \052\251\124'::bytea;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-bit.html (PostgreSQL Licence)

SELECT * FROM test;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-boolean.html (PostgreSQL Licence)

SELECT * FROM test1;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-character.html (PostgreSQL Licence)

SELECT a, char_length(a) FROM test1;

SELECT b, char_length(b) FROM test2;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-datetime.html (PostgreSQL Licence)

SELECT '2 years 15 months 100 weeks 99 hours 123456789 milliseconds'::interval;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-enum.html (PostgreSQL Licence)

SELECT * FROM person WHERE current_mood = 'happy';

SELECT * FROM person WHERE current_mood > 'sad';

SELECT person.name, holidays.num_weeks FROM person, holidays
  WHERE person.current_mood::text = holidays.happiness::text;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-json.html (PostgreSQL Licence)

SELECT '5'::json;

SELECT '[1, 2, "foo", null]'::json;

SELECT '{"bar": "baz", "balance": 7.77, "active": false}'::json;

SELECT '{"foo": [true, "bar"], "tags": {"a": 1, "b": null}}'::json;

SELECT '{"bar": "baz", "balance": 7.77, "active":false}'::json;

SELECT '{"reading": 1.230e-5}'::json, '{"reading": 1.230e-5}'::jsonb;

SELECT '"foo"'::jsonb @> '"foo"'::jsonb;

SELECT '[1, 2, 3]'::jsonb @> '[1, 3]'::jsonb;

SELECT '[1, 2, 3]'::jsonb @> '[3, 1]'::jsonb;

SELECT '[1, 2, 3]'::jsonb @> '[1, 2, 2]'::jsonb;

SELECT '{"product": "PostgreSQL", "version": 9.4, "jsonb": true}'::jsonb @> '{"version": 9.4}'::jsonb;

SELECT '[1, 2, [1, 3]]'::jsonb @> '[1, 3]'::jsonb;

SELECT '[1, 2, [1, 3]]'::jsonb @> '[[1, 3]]'::jsonb;

SELECT '{"foo": {"bar": "baz"}}'::jsonb @> '{"bar": "baz"}'::jsonb;

SELECT '{"foo": {"bar": "baz"}}'::jsonb @> '{"foo": {}}'::jsonb;

SELECT '["foo", "bar"]'::jsonb @> '"bar"'::jsonb;

SELECT '"bar"'::jsonb @> '["bar"]'::jsonb;

SELECT '["foo", "bar", "baz"]'::jsonb ? 'bar';

SELECT '{"foo": "bar"}'::jsonb ? 'foo';

SELECT '{"foo": "bar"}'::jsonb ? 'bar';

SELECT '{"foo": {"bar": "baz"}}'::jsonb ? 'bar';

SELECT '"foo"'::jsonb ? 'foo';

SELECT doc->'site_name' FROM websites
  WHERE doc @> '{"tags":[{"term":"paris"}, {"term":"food"}]}';

SELECT doc->'site_name' FROM websites
  WHERE doc->'tags' @> '[{"term":"paris"}, {"term":"food"}]';

SELECT jdoc->'guid', jdoc->'name' FROM api WHERE jdoc @> '{"company": "Magnafone"}';

SELECT jdoc->'guid', jdoc->'name' FROM api WHERE jdoc -> 'tags' ? 'qui';

SELECT jdoc->'guid', jdoc->'name' FROM api WHERE jdoc @> '{"tags": ["qui"]}';

SELECT jdoc->'guid', jdoc->'name' FROM api WHERE jdoc @? '$.tags[*] ? (@ == "qui")';

SELECT jdoc->'guid', jdoc->'name' FROM api WHERE jdoc @@ '$.tags[*] == "qui"';

SELECT ('{"a": 1}'::jsonb)['a'];

SELECT ('{"a": {"b": {"c": 1}}}'::jsonb)['a']['b']['c'];

SELECT ('[1, "2", null]'::jsonb)[1];

SELECT * FROM table_name WHERE jsonb_field['key'] = '"value"';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-money.html (PostgreSQL Licence)

SELECT '12.34'::float8::numeric::money;

SELECT '52093.89'::money::numeric::float8;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-net-types.html (PostgreSQL Licence)

SELECT macaddr8_set7bit('08:00:2b:01:02:03');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-numeric.html (PostgreSQL Licence)

SELECT x,
  round(x::numeric) AS num_round,
  round(x::double precision) AS dbl_round
FROM generate_series(-3.5, 3.5, 1) as x;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-oid.html (PostgreSQL Licence)

SELECT * FROM pg_attribute WHERE attrelid = 'mytable'::regclass;

SELECT * FROM pg_attribute
  WHERE attrelid = (SELECT oid FROM pg_class WHERE relname = 'mytable');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/datatype-textsearch.html (PostgreSQL Licence)

SELECT 'a fat cat sat on a mat and ate a fat rat'::tsvector;

SELECT 'a:1 fat:2 cat:3 sat:4 on:5 a:6 mat:7 and:8 ate:9 a:10 fat:11 rat:12'::tsvector;

SELECT 'a:1A fat:2B,4C cat:5D'::tsvector;

SELECT 'The Fat Rats'::tsvector;

SELECT to_tsvector('english', 'The Fat Rats');

SELECT 'fat & rat'::tsquery;

SELECT 'fat:ab & cat'::tsquery;

SELECT 'super:*'::tsquery;

SELECT to_tsquery('Fat:ab & Cats');

SELECT to_tsvector( 'postgraduate' ) @@ to_tsquery( 'postgres:*' );

SELECT to_tsvector( 'postgraduate' ), to_tsquery( 'postgres:*' );

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/ddl-inherit.html (PostgreSQL Licence)

SELECT name, elevation
    FROM cities
    WHERE elevation > 500;

SELECT name, elevation
    FROM ONLY cities
    WHERE elevation > 500;

SELECT name, elevation
    FROM cities*
    WHERE elevation > 500;

SELECT c.tableoid, c.name, c.elevation
FROM cities c
WHERE c.elevation > 500;

SELECT p.relname, c.name, c.elevation
FROM cities c, pg_class p
WHERE c.elevation > 500 AND c.tableoid = p.oid;

SELECT c.tableoid::regclass, c.name, c.elevation
FROM cities c
WHERE c.elevation > 500;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/ddl-partitioning.html (PostgreSQL Licence)

SELECT count(*) FROM measurement WHERE logdate >= DATE '2008-01-01';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/ddl-rowsecurity.html (PostgreSQL Licence)

SELECT * FROM information WHERE group_id = 2 FOR UPDATE;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/ddl-schemas.html (PostgreSQL Licence)

SELECT 3 OPERATOR(pg_catalog.+) 4;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/disk-usage.html (PostgreSQL Licence)

SELECT pg_relation_filepath(oid), relpages FROM pg_class WHERE relname = 'customer';

SELECT relname, relpages
FROM pg_class,
     (SELECT reltoastrelid
      FROM pg_class
      WHERE relname = 'customer') AS ss
WHERE oid = ss.reltoastrelid OR
      oid = (SELECT indexrelid
             FROM pg_index
             WHERE indrelid = ss.reltoastrelid)
ORDER BY relname;

SELECT c2.relname, c2.relpages
FROM pg_class c, pg_class c2, pg_index i
WHERE c.relname = 'customer' AND
      c.oid = i.indrelid AND
      c2.oid = i.indexrelid
ORDER BY c2.relname;

SELECT relname, relpages
FROM pg_class
ORDER BY relpages DESC;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/explicit-joins.html (PostgreSQL Licence)

SELECT * FROM a, b, c WHERE a.id = b.id AND b.ref = c.id;

SELECT * FROM a LEFT JOIN (b JOIN c ON (b.ref = c.id)) ON (a.id = b.id);

SELECT * FROM a LEFT JOIN b ON (a.bid = b.id) LEFT JOIN c ON (a.cid = c.id);

SELECT * FROM a CROSS JOIN b CROSS JOIN c WHERE a.id = b.id AND b.ref = c.id;

SELECT * FROM a JOIN (b JOIN c ON (b.ref = c.id)) ON (a.id = b.id);

SELECT *
FROM x, y,
    (SELECT * FROM a, b, c WHERE something) AS ss
WHERE somethingelse;

SELECT * FROM x, y, a, b, c WHERE something AND somethingelse;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/extend-extensions.html (PostgreSQL Licence)

SELECT pg_catalog.pg_extension_config_dump('my_config', '');

SELECT pg_catalog.pg_extension_config_dump('my_config_seq', '');

SELECT pg_catalog.pg_extension_config_dump('my_config', 'WHERE NOT standard_entry');

SELECT * FROM pg_extension_update_paths('extension_name');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/functions-admin.html (PostgreSQL Licence)

SELECT pg_size_pretty(sum(pg_relation_size(relid))) AS total_size
  FROM pg_partition_tree('measurement');

SELECT convert_from(pg_read_binary_file('file_in_utf8.txt'), 'UTF8');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/functions-aggregate.html (PostgreSQL Licence)

SELECT count(*) FROM sometable;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/functions-datetime.html (PostgreSQL Licence)

SELECT CURRENT_TIMESTAMP;

SELECT now();

SELECT TIMESTAMP 'now';

SELECT pg_sleep(1.5);

SELECT pg_sleep_for('5 minutes');

SELECT pg_sleep_until('tomorrow 03:00');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/functions-info.html (PostgreSQL Licence)

SELECT has_table_privilege('myschema.mytable', 'select');

SELECT has_table_privilege('joe', 'mytable', 'INSERT, SELECT WITH GRANT OPTION');

SELECT has_function_privilege('joeuser', 'myfunc(int, text)', 'execute');

SELECT relname FROM pg_class WHERE pg_table_is_visible(oid);

SELECT pg_type_is_visible('myschema.widget'::regtype);

SELECT currval(pg_get_serial_sequence('sometable', 'id'));

SELECT pg_typeof(33);

SELECT collation for (description) FROM pg_description LIMIT 1;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/functions-matching.html (PostgreSQL Licence)

SELECT regexp_match('foobarbequebaz', 'bar.*que');

SELECT (regexp_match('foobarbequebaz', 'bar.*que'))[1];

SELECT regexp_matches('foo', 'not there');

SELECT col1, (SELECT regexp_matches(col2, '(bar)(beque)')) FROM tab;

SELECT foo FROM regexp_split_to_table('the quick brown fox jumps over the lazy dog', '\s+') AS foo;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/functions-sequence.html (PostgreSQL Licence)

SELECT setval('myseq', 42);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/functions-srf.html (PostgreSQL Licence)

SELECT * FROM generate_series(2,4);

SELECT generate_subscripts('{NULL,1,NULL,2}'::int[], 1) AS s;

SELECT * FROM pg_ls_dir('.') WITH ORDINALITY AS t(ls,n);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/functions-statistics.html (PostgreSQL Licence)

SELECT m.* FROM pg_statistic_ext join pg_statistic_ext_data on (oid = stxoid),
                pg_mcv_list_items(stxdmcv) m WHERE stxname = 'stts';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/fuzzystrmatch.html (PostgreSQL Licence)

SELECT soundex('hello world!');

SELECT soundex('Anne'), soundex('Ann'), difference('Anne', 'Ann');

SELECT soundex('Anne'), soundex('Andrew'), difference('Anne', 'Andrew');

SELECT soundex('Anne'), soundex('Margaret'), difference('Anne', 'Margaret');

SELECT * FROM s WHERE soundex(nm) = soundex('john');

SELECT * FROM s WHERE difference(s.nm, 'john') > 2;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/hstore.html (PostgreSQL Licence)

SELECT 'a=>1,a=>2'::hstore;

SELECT h['a'] FROM mytable;

SELECT h FROM mytable;

SELECT hstore(t) FROM test AS t;

SELECT * FROM populate_record(null::test,
                              '"col1"=>"456", "col2"=>"zzz"');

SELECT (r).* FROM (SELECT t #= '"col3"=>"baz"' AS r FROM test t) s;

SELECT * FROM each('aaa=>bq, b=>NULL, ""=>1');

SELECT key, count(*) FROM
  (SELECT (each(h)).key FROM testhstore) AS stat
  GROUP BY key
  ORDER BY count DESC, key;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/indexes-collations.html (PostgreSQL Licence)

SELECT * FROM test1c WHERE content > constant;

SELECT * FROM test1c WHERE content > constant COLLATE "y";

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/indexes-expressional.html (PostgreSQL Licence)

SELECT * FROM test1 WHERE lower(col1) = 'value';

SELECT * FROM people WHERE (first_name || ' ' || last_name) = 'John Smith';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/indexes-index-only-scans.html (PostgreSQL Licence)

SELECT x, y FROM tab WHERE x = 'key';

SELECT x FROM tab WHERE x = 'key' AND y < 42;

SELECT x, z FROM tab WHERE x = 'key';

SELECT x FROM tab WHERE x = 'key' AND z < 42;

SELECT y FROM tab WHERE x = 'key';

SELECT f(x) FROM tab WHERE f(x) < 1;

SELECT target FROM tests WHERE subject = 'some-subject' AND success;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/indexes-intro.html (PostgreSQL Licence)

SELECT content FROM test1 WHERE id = constant;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/indexes-multicolumn.html (PostgreSQL Licence)

SELECT name FROM test2 WHERE major = constant AND minor = constant;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/indexes-opclass.html (PostgreSQL Licence)

SELECT am.amname AS index_method,
       opc.opcname AS opclass_name,
       opc.opcintype::regtype AS indexed_type,
       opc.opcdefault AS is_default
    FROM pg_am am, pg_opclass opc
    WHERE opc.opcmethod = am.oid
    ORDER BY index_method, opclass_name;

SELECT am.amname AS index_method,
       opc.opcname AS opclass_name,
       opf.opfname AS opfamily_name,
       opc.opcintype::regtype AS indexed_type,
       opc.opcdefault AS is_default
    FROM pg_am am, pg_opclass opc, pg_opfamily opf
    WHERE opc.opcmethod = am.oid AND
          opc.opcfamily = opf.oid
    ORDER BY index_method, opclass_name;

SELECT am.amname AS index_method,
       opf.opfname AS opfamily_name,
       amop.amopopr::regoperator AS opfamily_operator
    FROM pg_am am, pg_opfamily opf, pg_amop amop
    WHERE opf.opfmethod = am.oid AND
          amop.amopfamily = opf.oid
    ORDER BY index_method, opfamily_name, opfamily_operator;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/indexes-partial.html (PostgreSQL Licence)

SELECT *
FROM access_log
WHERE url = '/index.html' AND client_ip = inet '212.78.10.32';

SELECT *
FROM access_log
WHERE url = '/index.html' AND client_ip = inet '192.168.100.23';

SELECT * FROM orders WHERE billed is not true AND order_nr < 10000;

SELECT * FROM orders WHERE billed is not true AND amount > 5000.00;

SELECT * FROM orders WHERE order_nr = 3501;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/indexes-types.html (PostgreSQL Licence)

SELECT * FROM places ORDER BY location <-> point '(101,456)' LIMIT 10;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/infoschema-element-types.html (PostgreSQL Licence)

SELECT c.column_name, c.data_type, e.data_type AS element_type
FROM information_schema.columns c LEFT JOIN information_schema.element_types e
     ON ((c.table_catalog, c.table_schema, c.table_name, 'TABLE', c.dtd_identifier)
       = (e.object_catalog, e.object_schema, e.object_name, e.object_type, e.collection_type_identifier))
WHERE c.table_schema = '...' AND c.table_name = '...'
ORDER BY c.ordinal_position;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/intarray.html (PostgreSQL Licence)

SELECT message.mid FROM message WHERE message.sections && '{1,2}';

SELECT message.mid FROM message WHERE message.sections @> '{1,2}';

SELECT message.mid FROM message WHERE message.sections @@ '1&2'::query_int;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/isn.html (PostgreSQL Licence)

SELECT isbn('978-0-393-04002-9');

SELECT isbn13('0901690546');

SELECT issn('1436-4522');

SELECT upc(ean13('0220356483481'));

SELECT ean13(upc('220356483481'));

SELECT issn('3251231?');

SELECT ismn('979047213542?');

SELECT isn_weak(true);

SELECT isn_weak(false);

SELECT id FROM test WHERE NOT is_valid(id);

SELECT isbn13(id) FROM test;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/libpq-exec.html (PostgreSQL Licence)

SELECT * FROM mytable WHERE x = $1::bigint;

SELECT 1 AS FOO, 2 AS "BAR";

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/libpq-pipeline-mode.html (PostgreSQL Licence)

SELECT x FROM mytable WHERE id = 42 FOR UPDATE;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/lo-funcs.html (PostgreSQL Licence)

SELECT lo_creat(-1);

SELECT lo_create(43213);

SELECT lo_unlink(173454);

SELECT lo_export(image.raster, '/tmp/motd') FROM image
    WHERE name = 'beautiful image';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/monitoring-stats.html (PostgreSQL Licence)

SELECT pid, wait_event_type, wait_event FROM pg_stat_activity WHERE wait_event is NOT NULL;

SELECT pg_stat_get_backend_pid(s.backendid) AS pid,
       pg_stat_get_backend_activity(s.backendid) AS query
    FROM (SELECT pg_stat_get_backend_idset() AS backendid) AS s;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/multivariate-statistics-examples.html (PostgreSQL Licence)

SELECT relpages, reltuples FROM pg_class WHERE relname = 't';

SELECT m.* FROM pg_statistic_ext join pg_statistic_ext_data on (oid = stxoid),
                pg_mcv_list_items(stxdmcv) m WHERE stxname = 'stts2';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/pgrowlocks.html (PostgreSQL Licence)

SELECT * FROM accounts AS a, pgrowlocks('accounts') AS p
  WHERE p.locked_row = a.ctid;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/pgtrgm.html (PostgreSQL Licence)

SELECT t, similarity(t, 'word') AS sml
  FROM test_trgm
  WHERE t % 'word'
  ORDER BY sml DESC, t;

SELECT t, t <-> 'word' AS dist
  FROM test_trgm
  ORDER BY dist LIMIT 10;

SELECT t, word_similarity('word', t) AS sml
  FROM test_trgm
  WHERE 'word' <% t
  ORDER BY sml DESC, t;

SELECT t, strict_word_similarity('word', t) AS sml
  FROM test_trgm
  WHERE 'word' <<% t
  ORDER BY sml DESC, t;

SELECT t, 'word' <<-> t AS dist
  FROM test_trgm
  ORDER BY dist LIMIT 10;

SELECT t, 'word' <<<-> t AS dist
  FROM test_trgm
  ORDER BY dist LIMIT 10;

SELECT * FROM test_trgm WHERE t LIKE '%foo%bar';

SELECT * FROM test_trgm WHERE t ~ '(foo|bar)';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/planner-stats.html (PostgreSQL Licence)

SELECT stxname, stxkeys, stxddependencies
  FROM pg_statistic_ext join pg_statistic_ext_data on (oid = stxoid)
  WHERE stxname = 'stts';

SELECT * FROM zipcodes WHERE city = 'San Francisco' AND zip = '94105';

SELECT * FROM zipcodes WHERE city = 'San Francisco' AND zip = '90210';

SELECT stxkeys AS k, stxdndistinct AS nd
  FROM pg_statistic_ext join pg_statistic_ext_data on (oid = stxoid)
  WHERE stxname = 'stts2';

SELECT m.* FROM pg_statistic_ext join pg_statistic_ext_data on (oid = stxoid),
                pg_mcv_list_items(stxdmcv) m WHERE stxname = 'stts3';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plperl-builtins.html (PostgreSQL Licence)

SELECT * FROM test_munge();

SELECT * from lotsa_md5(500);

SELECT init();

SELECT add_time('1 day'), add_time('2 days'), add_time('3 days');

SELECT done();

SELECT init_hosts_query();

SELECT query_hosts('192.168.1.0/30');

SELECT release_hosts_query();

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plperl-funcs.html (PostgreSQL Licence)

select returns_array();

SELECT concat_array_elements(ARRAY['PL','/','Perl']);

SELECT name, empcomp(employee.*) FROM employee;

SELECT * FROM perl_row();

SELECT * FROM perl_set_int(5);

SELECT * FROM perl_set();

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plperl-global.html (PostgreSQL Licence)

SELECT set_var('sample', 'Hello, PL/Perl!  How''s tricks?');

SELECT get_var('sample');

SELECT myfuncs();

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plpgsql-control-structures.html (PostgreSQL Licence)

SELECT * FROM get_all_foo();

SELECT * FROM get_available_flightid(CURRENT_DATE);

SELECT scan_rows(ARRAY[[1,2,3],[4,5,6],[7,8,9],[10,11,12]]);

SELECT merge_db(1, 'david');

SELECT merge_db(1, 'dennis');

SELECT outer_func();

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plpgsql-cursors.html (PostgreSQL Licence)

SELECT reffunc('funccursor');

SELECT reffunc2();

SELECT * FROM myfunc('a', 'b');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plpgsql-declarations.html (PostgreSQL Licence)

SELECT sales_tax(100.00);

SELECT * FROM sum_n_product(2, 4);

SELECT add_three_values(1, 2, 4.7);

SELECT less_than(text_field_1, text_field_2) FROM table1;

SELECT less_than(text_field_1, text_field_2 COLLATE "C") FROM table1;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plpgsql-development-tips.html (PostgreSQL Licence)

SELECT * FROM users WHERE f_name='foobar';

SELECT foo();

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plpgsql-porting.html (PostgreSQL Licence)

SELECT * FROM cs_parse_url('http://foobar.com/query.cgi?baz');

SELECT count(*) INTO a_running_job_count FROM cs_jobs WHERE end_stamp IS NULL;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plpgsql-statements.html (PostgreSQL Licence)

SELECT * INTO myrec FROM emp WHERE empname = myname;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plpgsql-trigger.html (PostgreSQL Licence)

SELECT * FROM sales_summary_bytime;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/plpython-data.html (PostgreSQL Licence)

SELECT return_arr();

SELECT * FROM test_type_conversion_array_int4(ARRAY[[1,2,3],[4,5,6]]);

SELECT return_str_arr();

SELECT * FROM multiout_simple();

SELECT * FROM multiout_simple_setof(3);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/pltcl-dbaccess.html (PostgreSQL Licence)

SELECT 'doesn''t' AS ret;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/protocol-flow.html (PostgreSQL Licence)

SELECT 1/0;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/queries-order.html (PostgreSQL Licence)

SELECT a, b FROM table1 ORDER BY a + b, c;

SELECT a + b AS sum, c FROM table1 ORDER BY sum;

SELECT a, max(b) FROM table1 GROUP BY a ORDER BY 1;

SELECT a + b AS sum, c FROM table1 ORDER BY sum + c;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/queries-overview.html (PostgreSQL Licence)

SELECT * FROM table1;

SELECT a, b + c FROM table1;

SELECT 3 * 4;

SELECT random();

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/queries-table-expressions.html (PostgreSQL Licence)

SELECT * FROM some_very_long_table_name s JOIN another_fairly_long_name a ON s.id = a.num;

SELECT * FROM my_table AS m WHERE my_table.a > 5;

SELECT * FROM people AS mother JOIN people AS child ON mother.id = child.mother_id;

SELECT * FROM getfoo(1) AS t1;

SELECT * FROM foo
    WHERE foosubid IN (
                        SELECT foosubid
                        FROM getfoo(foo.fooid) z
                        WHERE z.fooid = foo.fooid
                      );

SELECT * FROM vw_getfoo;

SELECT *
    FROM dblink('dbname=mydb', 'SELECT proname, prosrc FROM pg_proc')
      AS t1(proname name, prosrc text)
    WHERE proname LIKE 'bytea%';

SELECT *
FROM ROWS FROM
    (
        json_to_recordset('[{"a":40,"b":"foo"},{"a":"100","b":"bar"}]')
            AS (a INTEGER, b TEXT),
        generate_series(1, 3)
    ) AS x (p, q, s)
ORDER BY p;

SELECT * FROM foo, LATERAL (SELECT * FROM bar WHERE bar.id = foo.bar_id) ss;

SELECT * FROM foo, bar WHERE bar.id = foo.bar_id;

SELECT p1.id, p2.id, v1, v2
FROM polygons p1, polygons p2,
     LATERAL vertices(p1.poly) v1,
     LATERAL vertices(p2.poly) v2
WHERE (v1 <-> v2) < 10 AND p1.id != p2.id;

SELECT p1.id, p2.id, v1, v2
FROM polygons p1 CROSS JOIN LATERAL vertices(p1.poly) v1,
     polygons p2 CROSS JOIN LATERAL vertices(p2.poly) v2
WHERE (v1 <-> v2) < 10 AND p1.id != p2.id;

SELECT m.name
FROM manufacturers m LEFT JOIN LATERAL get_product_names(m.id) pname ON true
WHERE pname IS NULL;

SELECT product_id, p.name, (sum(s.units) * p.price) AS sales
    FROM products p LEFT JOIN sales s USING (product_id)
    GROUP BY product_id, p.name, p.price;

SELECT product_id, p.name, (sum(s.units) * (p.price - p.cost)) AS profit
    FROM products p LEFT JOIN sales s USING (product_id)
    WHERE s.date > CURRENT_DATE - INTERVAL '4 weeks'
    GROUP BY product_id, p.name, p.price, p.cost
    HAVING sum(p.price * s.units) > 5000;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/queries-values.html (PostgreSQL Licence)

SELECT 1 AS column1, 'one' AS column2
UNION ALL
SELECT 2, 'two'
UNION ALL
SELECT 3, 'three';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/queries-with.html (PostgreSQL Licence)

WITH regional_sales AS (
    SELECT region, SUM(amount) AS total_sales
    FROM orders
    GROUP BY region
), top_regions AS (
    SELECT region
    FROM regional_sales
    WHERE total_sales > (SELECT SUM(total_sales)/10 FROM regional_sales)
)
SELECT region,
       product,
       SUM(quantity) AS product_units,
       SUM(amount) AS product_sales
FROM orders
WHERE region IN (SELECT region FROM top_regions)
GROUP BY region, product;

WITH RECURSIVE t(n) AS (
    VALUES (1)
  UNION ALL
    SELECT n+1 FROM t WHERE n < 100
)
SELECT sum(n) FROM t;

WITH RECURSIVE included_parts(sub_part, part, quantity) AS (
    SELECT sub_part, part, quantity FROM parts WHERE part = 'our_product'
  UNION ALL
    SELECT p.sub_part, p.part, p.quantity * pr.quantity
    FROM included_parts pr, parts p
    WHERE p.part = pr.sub_part
)
SELECT sub_part, SUM(quantity) as total_quantity
FROM included_parts
GROUP BY sub_part;

WITH RECURSIVE search_tree(id, link, data) AS (
    SELECT t.id, t.link, t.data
    FROM tree t
  UNION ALL
    SELECT t.id, t.link, t.data
    FROM tree t, search_tree st
    WHERE t.id = st.link
)
SELECT * FROM search_tree;

WITH RECURSIVE search_tree(id, link, data, path) AS (
    SELECT t.id, t.link, t.data, ARRAY[t.id]
    FROM tree t
  UNION ALL
    SELECT t.id, t.link, t.data, path || t.id
    FROM tree t, search_tree st
    WHERE t.id = st.link
)
SELECT * FROM search_tree ORDER BY path;

WITH RECURSIVE search_tree(id, link, data, path) AS (
    SELECT t.id, t.link, t.data, ARRAY[ROW(t.f1, t.f2)]
    FROM tree t
  UNION ALL
    SELECT t.id, t.link, t.data, path || ROW(t.f1, t.f2)
    FROM tree t, search_tree st
    WHERE t.id = st.link
)
SELECT * FROM search_tree ORDER BY path;

WITH RECURSIVE search_tree(id, link, data, depth) AS (
    SELECT t.id, t.link, t.data, 0
    FROM tree t
  UNION ALL
    SELECT t.id, t.link, t.data, depth + 1
    FROM tree t, search_tree st
    WHERE t.id = st.link
)
SELECT * FROM search_tree ORDER BY depth;

WITH RECURSIVE search_tree(id, link, data) AS (
    SELECT t.id, t.link, t.data
    FROM tree t
  UNION ALL
    SELECT t.id, t.link, t.data
    FROM tree t, search_tree st
    WHERE t.id = st.link
) SEARCH DEPTH FIRST BY id SET ordercol
SELECT * FROM search_tree ORDER BY ordercol;

WITH RECURSIVE search_tree(id, link, data) AS (
    SELECT t.id, t.link, t.data
    FROM tree t
  UNION ALL
    SELECT t.id, t.link, t.data
    FROM tree t, search_tree st
    WHERE t.id = st.link
) SEARCH BREADTH FIRST BY id SET ordercol
SELECT * FROM search_tree ORDER BY ordercol;

WITH RECURSIVE search_graph(id, link, data, depth) AS (
    SELECT g.id, g.link, g.data, 0
    FROM graph g
  UNION ALL
    SELECT g.id, g.link, g.data, sg.depth + 1
    FROM graph g, search_graph sg
    WHERE g.id = sg.link
)
SELECT * FROM search_graph;

WITH RECURSIVE search_graph(id, link, data, depth, is_cycle, path) AS (
    SELECT g.id, g.link, g.data, 0,
      false,
      ARRAY[g.id]
    FROM graph g
  UNION ALL
    SELECT g.id, g.link, g.data, sg.depth + 1,
      g.id = ANY(path),
      path || g.id
    FROM graph g, search_graph sg
    WHERE g.id = sg.link AND NOT is_cycle
)
SELECT * FROM search_graph;

WITH RECURSIVE search_graph(id, link, data, depth, is_cycle, path) AS (
    SELECT g.id, g.link, g.data, 0,
      false,
      ARRAY[ROW(g.f1, g.f2)]
    FROM graph g
  UNION ALL
    SELECT g.id, g.link, g.data, sg.depth + 1,
      ROW(g.f1, g.f2) = ANY(path),
      path || ROW(g.f1, g.f2)
    FROM graph g, search_graph sg
    WHERE g.id = sg.link AND NOT is_cycle
)
SELECT * FROM search_graph;

WITH RECURSIVE search_graph(id, link, data, depth) AS (
    SELECT g.id, g.link, g.data, 1
    FROM graph g
  UNION ALL
    SELECT g.id, g.link, g.data, sg.depth + 1
    FROM graph g, search_graph sg
    WHERE g.id = sg.link
) CYCLE id SET is_cycle USING path
SELECT * FROM search_graph;

WITH RECURSIVE t(n) AS (
    SELECT 1
  UNION ALL
    SELECT n+1 FROM t
)
SELECT n FROM t LIMIT 100;

WITH w AS (
    SELECT * FROM big_table
)
SELECT * FROM w WHERE key = 123;

SELECT * FROM big_table WHERE key = 123;

WITH w AS (
    SELECT * FROM big_table
)
SELECT * FROM w AS w1 JOIN w AS w2 ON w1.key = w2.ref
WHERE w2.key = 123;

WITH w AS NOT MATERIALIZED (
    SELECT * FROM big_table
)
SELECT * FROM w AS w1 JOIN w AS w2 ON w1.key = w2.ref
WHERE w2.key = 123;

WITH w AS (
    SELECT key, very_expensive_function(val) as f FROM some_table
)
SELECT * FROM w AS w1 JOIN w AS w2 ON w1.f = w2.f;

WITH t AS (
    UPDATE products SET price = price * 1.05
    RETURNING *
)
SELECT * FROM products;

WITH t AS (
    UPDATE products SET price = price * 1.05
    RETURNING *
)
SELECT * FROM t;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/rangetypes.html (PostgreSQL Licence)

SELECT int4range(10, 20) @> 3;

SELECT numrange(11.1, 22.2) && numrange(20.0, 30.0);

SELECT upper(int8range(15, 25));

SELECT int4range(10, 20) * int4range(15, 25);

SELECT isempty(numrange(1, 5));

SELECT '[3,7)'::int4range;

SELECT '(3,7)'::int4range;

SELECT '[4,4]'::int4range;

SELECT '[4,4)'::int4range;

SELECT '{}'::int4multirange;

SELECT '{[3,7)}'::int4multirange;

SELECT '{[3,7), [8,9)}'::int4multirange;

SELECT numrange(1.0, 14.0, '(]');

SELECT numrange(1.0, 14.0);

SELECT int8range(1, 14, '(]');

SELECT numrange(NULL, 2.2);

SELECT nummultirange();

SELECT nummultirange(numrange(1.0, 14.0));

SELECT nummultirange(numrange(1.0, 14.0), numrange(20.0, 25.0));

SELECT '[1.234, 5.678]'::floatrange;

SELECT '[11:10, 23:00]'::timerange;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/release-15-9.html (PostgreSQL Licence)

SELECT conrelid::pg_catalog.regclass AS "constrained table",
       conname AS constraint,
       confrelid::pg_catalog.regclass AS "references",
       pg_catalog.format('ALTER TABLE %s DROP CONSTRAINT %I;',
                         conrelid::pg_catalog.regclass, conname) AS "drop",
       pg_catalog.format('ALTER TABLE %s ADD CONSTRAINT %I %s;',
                         conrelid::pg_catalog.regclass, conname,
                         pg_catalog.pg_get_constraintdef(oid)) AS "add"
FROM pg_catalog.pg_constraint c
WHERE contype = 'f' AND conparentid = 0 AND
   (SELECT count(*) FROM pg_catalog.pg_constraint c2
    WHERE c2.conparentid = c.oid) <>
   ((SELECT count(*) FROM pg_catalog.pg_inherits i
    WHERE (i.inhparent = c.conrelid OR i.inhparent = c.confrelid) AND
      EXISTS (SELECT 1 FROM pg_catalog.pg_partitioned_table
              WHERE partrelid = i.inhparent)) +
    CASE WHEN pg_catalog.pg_partition_root(conrelid) = confrelid THEN
              (SELECT count(*) FROM pg_catalog.pg_partition_tree(confrelid)
                WHERE level = 1)
         ELSE 0 END);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/routine-vacuuming.html (PostgreSQL Licence)

SELECT c.oid::regclass as table_name,
       greatest(age(c.relfrozenxid),age(t.relfrozenxid)) as age
FROM pg_class c
LEFT JOIN pg_class t ON c.reltoastrelid = t.oid
WHERE c.relkind IN ('r', 'm');

SELECT datname, age(datfrozenxid) FROM pg_database;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/row-estimation-examples.html (PostgreSQL Licence)

SELECT relpages, reltuples FROM pg_class WHERE relname = 'tenk1';

SELECT histogram_bounds FROM pg_stats
WHERE tablename='tenk1' AND attname='unique1';

SELECT null_frac, n_distinct, most_common_vals, most_common_freqs FROM pg_stats
WHERE tablename='tenk1' AND attname='stringu1';

SELECT histogram_bounds FROM pg_stats
WHERE tablename='tenk1' AND attname='stringu1';

SELECT tablename, null_frac,n_distinct, most_common_vals FROM pg_stats
WHERE tablename IN ('tenk1', 'tenk2') AND attname='unique2';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/rowtypes.html (PostgreSQL Licence)

SELECT price_extension(item, 10) FROM on_hand;

SELECT item.name FROM on_hand WHERE item.price > 9.99;

SELECT (item).name FROM on_hand WHERE (item).price > 9.99;

SELECT (on_hand.item).name FROM on_hand WHERE (on_hand.item).price > 9.99;

SELECT c FROM inventory_item c;

SELECT c.* FROM inventory_item c;

SELECT c.name, c.supplier_id, c.price FROM inventory_item c;

SELECT (myfunc(x)).* FROM some_table;

SELECT (myfunc(x)).a, (myfunc(x)).b, (myfunc(x)).c FROM some_table;

SELECT m.* FROM some_table, LATERAL myfunc(x) AS m;

SELECT somefunc(c.*) FROM inventory_item c;

SELECT somefunc(c) FROM inventory_item c;

SELECT * FROM inventory_item c ORDER BY c;

SELECT * FROM inventory_item c ORDER BY c.*;

SELECT * FROM inventory_item c ORDER BY ROW(c.*);

SELECT * FROM inventory_item c ORDER BY ROW(c.name, c.supplier_id, c.price);

SELECT * FROM inventory_item c ORDER BY (c.name, c.supplier_id, c.price);

SELECT c.name FROM inventory_item c WHERE c.price > 1000;

SELECT name(c) FROM inventory_item c WHERE price(c) > 1000;

SELECT c.somefunc FROM inventory_item c;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/rules-materializedviews.html (PostgreSQL Licence)

SELECT count(*) FROM words WHERE word = 'caterpiler';

SELECT word FROM words ORDER BY word <-> 'caterpiler' LIMIT 10;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/rules-privileges.html (PostgreSQL Licence)

SELECT * FROM phone_number WHERE tricky(person, phone);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/rules-update.html (PostgreSQL Licence)

SELECT * FROM shoelace_log;

SELECT * FROM shoelace_arrive;

SELECT * FROM shoelace;

SELECT * FROM shoelace ORDER BY sl_name;

SELECT * FROM shoelace_mismatch;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/rules-views.html (PostgreSQL Licence)

SELECT shoelace.sl_name, shoelace.sl_avail,
       shoelace.sl_color, shoelace.sl_len,
       shoelace.sl_unit, shoelace.sl_len_cm
  FROM shoelace shoelace;

SELECT s.sl_name, s.sl_avail,
       s.sl_color, s.sl_len, s.sl_unit,
       s.sl_len * u.un_fact AS sl_len_cm
  FROM shoelace old, shoelace new,
       shoelace_data s, unit u
 WHERE s.sl_unit = u.un_name;

SELECT shoelace.sl_name, shoelace.sl_avail,
       shoelace.sl_color, shoelace.sl_len,
       shoelace.sl_unit, shoelace.sl_len_cm
  FROM (SELECT s.sl_name,
               s.sl_avail,
               s.sl_color,
               s.sl_len,
               s.sl_unit,
               s.sl_len * u.un_fact AS sl_len_cm
          FROM shoelace_data s, unit u
         WHERE s.sl_unit = u.un_name) shoelace;

SELECT * FROM shoe_ready WHERE total_avail >= 2;

SELECT shoe_ready.shoename, shoe_ready.sh_avail,
       shoe_ready.sl_name, shoe_ready.sl_avail,
       shoe_ready.total_avail
  FROM shoe_ready shoe_ready
 WHERE shoe_ready.total_avail >= 2;

SELECT shoe_ready.shoename, shoe_ready.sh_avail,
       shoe_ready.sl_name, shoe_ready.sl_avail,
       shoe_ready.total_avail
  FROM (SELECT rsh.shoename,
               rsh.sh_avail,
               rsl.sl_name,
               rsl.sl_avail,
               least(rsh.sh_avail, rsl.sl_avail) AS total_avail
          FROM shoe rsh, shoelace rsl
         WHERE rsl.sl_color = rsh.slcolor
           AND rsl.sl_len_cm >= rsh.slminlen_cm
           AND rsl.sl_len_cm <= rsh.slmaxlen_cm) shoe_ready
 WHERE shoe_ready.total_avail >= 2;

SELECT shoe_ready.shoename, shoe_ready.sh_avail,
       shoe_ready.sl_name, shoe_ready.sl_avail,
       shoe_ready.total_avail
  FROM (SELECT rsh.shoename,
               rsh.sh_avail,
               rsl.sl_name,
               rsl.sl_avail,
               least(rsh.sh_avail, rsl.sl_avail) AS total_avail
          FROM (SELECT sh.shoename,
                       sh.sh_avail,
                       sh.slcolor,
                       sh.slminlen,
                       sh.slminlen * un.un_fact AS slminlen_cm,
                       sh.slmaxlen,
                       sh.slmaxlen * un.un_fact AS slmaxlen_cm,
                       sh.slunit
                  FROM shoe_data sh, unit un
                 WHERE sh.slunit = un.un_name) rsh,
               (SELECT s.sl_name,
                       s.sl_avail,
                       s.sl_color,
                       s.sl_len,
                       s.sl_unit,
                       s.sl_len * u.un_fact AS sl_len_cm
                  FROM shoelace_data s, unit u
                 WHERE s.sl_unit = u.un_name) rsl
         WHERE rsl.sl_color = rsh.slcolor
           AND rsl.sl_len_cm >= rsh.slminlen_cm
           AND rsl.sl_len_cm <= rsh.slmaxlen_cm) shoe_ready
 WHERE shoe_ready.total_avail >= 2;

SELECT t2.b FROM t1, t2 WHERE t1.a = t2.a;

SELECT t1.a, t2.b FROM t1, t2 WHERE t1.a = t2.a;

SELECT t1.a, t2.b, t1.ctid FROM t1, t2 WHERE t1.a = t2.a;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/runtime-config-logging.html (PostgreSQL Licence)

SELECT to_hex(trunc(EXTRACT(EPOCH FROM backend_start))::integer) || '.' ||
       to_hex(pid)
FROM pg_stat_activity;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/runtime-config-replication.html (PostgreSQL Licence)

SELECT DISTINCT plugin FROM pg_replication_slots WHERE plugin IS NOT NULL;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-altercollation.html (PostgreSQL Licence)

SELECT pg_describe_object(refclassid, refobjid, refobjsubid) AS "Collation",
       pg_describe_object(classid, objid, objsubid) AS "Object"
  FROM pg_depend d JOIN pg_collation c
       ON refclassid = 'pg_collation'::regclass AND refobjid = c.oid
  WHERE c.collversion <> pg_collation_actual_version(c.oid)
  ORDER BY 1, 2;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-createaggregate.html (PostgreSQL Licence)

SELECT agg(col) FROM tab;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-createcast.html (PostgreSQL Licence)

SELECT CAST(42 AS float8);

SELECT 2 + 4.0;

SELECT CAST ( 2 AS numeric ) + 4.0;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-createfunction.html (PostgreSQL Licence)

SELECT * FROM dup(42);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-createindex.html (PostgreSQL Licence)

SELECT * FROM points
    WHERE box(location,location) && '(0,0),(1,1)'::box;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-createrule.html (PostgreSQL Licence)

SELECT * FROM t1;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-createsequence.html (PostgreSQL Licence)

SELECT * FROM name;

SELECT nextval('serial');

SELECT setval('serial', max(id)) FROM distributors;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-discard.html (PostgreSQL Licence)

SELECT pg_advisory_unlock_all();

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-expressions.html (PostgreSQL Licence)

SELECT percentile_cont(0.5) WITHIN GROUP (ORDER BY income) FROM households;

SELECT
    count(*) AS unfiltered,
    count(*) FILTER (WHERE i < 5) AS filtered
FROM generate_series(1,10) AS s(i);

SELECT * FROM tbl WHERE a > 'foo' COLLATE "C";

SELECT * FROM tbl WHERE a COLLATE "C" > 'foo';

SELECT * FROM tbl WHERE (a > 'foo') COLLATE "C";

SELECT name, (SELECT max(pop) FROM cities WHERE cities.state = states.name)
    FROM states;

SELECT ARRAY[1,2,3+4];

SELECT ARRAY[1,2,22.7]::integer[];

SELECT ARRAY[ARRAY[1,2], ARRAY[3,4]];

SELECT ARRAY[f1, f2, '{{9,10},{11,12}}'::int[]] FROM arr;

SELECT ARRAY[]::integer[];

SELECT ARRAY(SELECT oid FROM pg_proc WHERE proname LIKE 'bytea%');

SELECT ROW(1,2.5,'this is a test');

SELECT ROW(t.*, 42) FROM t;

SELECT ROW(t.f1, t.f2, 42) FROM t;

SELECT getf1(ROW(1,2.5,'this is a test'));

SELECT ROW(1,2.5,'this is a test') = ROW(1, 3, 'not the same');

SELECT true OR somefunc();

SELECT somefunc() OR true;

SELECT CASE WHEN x > 0 THEN x ELSE 1/0 END FROM tab;

SELECT CASE WHEN min(employees) > 0
            THEN avg(expenses / employees)
       END
    FROM departments;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-lock.html (PostgreSQL Licence)

SELECT id FROM films
    WHERE name = 'Star Wars: Episode I - The Phantom Menace';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-notify.html (PostgreSQL Licence)

SELECT pg_notify('fo' || 'o', 'pay' || 'load');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-select.html (PostgreSQL Licence)

SELECT DISTINCT ON (location) location, time, report
    FROM weather_reports
    ORDER BY location, time DESC;

SELECT name FROM distributors ORDER BY code;

SELECT * FROM (SELECT * FROM mytable FOR UPDATE) ss WHERE col1 = 5;

SELECT * FROM mytable WHERE key = 1 FOR UPDATE;

SELECT * FROM (SELECT * FROM mytable FOR UPDATE) ss ORDER BY column1;

SELECT f.title, f.did, d.name, f.date_prod, f.kind
    FROM distributors d JOIN films f USING (did);

SELECT kind, sum(len) AS total FROM films GROUP BY kind;

SELECT kind, sum(len) AS total
    FROM films
    GROUP BY kind
    HAVING sum(len) < interval '5 hours';

SELECT * FROM distributors ORDER BY name;

SELECT * FROM distributors ORDER BY 2;

SELECT * FROM distributors(111);

SELECT * FROM distributors_2(111) AS (f1 int, f2 text);

SELECT * FROM unnest(ARRAY['a','b','c','d','e','f']) WITH ORDINALITY;

WITH t AS (
    SELECT random() as x FROM generate_series(1, 3)
  )
SELECT * FROM t
UNION ALL
SELECT * FROM t;

WITH RECURSIVE employee_recursive(distance, employee_name, manager_name) AS (
    SELECT 1, employee_name, manager_name
    FROM employee
    WHERE manager_name = 'Mary'
  UNION ALL
    SELECT er.distance + 1, e.employee_name, e.manager_name
    FROM employee_recursive er, employee e
    WHERE er.employee_name = e.manager_name
  )
SELECT distance, employee_name FROM employee_recursive;

SELECT m.name AS mname, pname
FROM manufacturers m, LATERAL get_product_names(m.id) pname;

SELECT m.name AS mname, pname
FROM manufacturers m LEFT JOIN LATERAL get_product_names(m.id) pname ON true;

SELECT 2+2;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-selectinto.html (PostgreSQL Licence)

SELECT * INTO films_recent FROM films WHERE date_prod >= '2002-01-01';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-set-role.html (PostgreSQL Licence)

SELECT SESSION_USER, CURRENT_USER;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-set-transaction.html (PostgreSQL Licence)

SELECT pg_export_snapshot();

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-set.html (PostgreSQL Licence)

SELECT setseed(value);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-syntax-lexical.html (PostgreSQL Licence)

SELECT * FROM MY_TABLE;

SELECT 'foo'
'bar';

SELECT 'foobar';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/sql-values.html (PostgreSQL Licence)

SELECT f.*
  FROM films f, (VALUES('MGM', 'Horror'), ('UA', 'Sci-Fi')) AS t (studio, kind)
  WHERE f.studio = t.studio AND f.kind = t.kind;

SELECT * FROM machines
WHERE ip_address IN (VALUES('192.168.0.1'::inet), ('192.168.0.10'), ('192.168.1.43'));

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tablefunc.html (PostgreSQL Licence)

SELECT * FROM crosstab('...') AS ct(row_name text, category_1 text, category_2 text);

SELECT *
FROM crosstab(
  'select rowid, attribute, value
   from ct
   where attribute = ''att2'' or attribute = ''att3''
   order by 1,2')
AS ct(row_name text, category_1 text, category_2 text, category_3 text);

SELECT *
FROM crosstab3(
  'select rowid, attribute, value
   from ct
   where attribute = ''att2'' or attribute = ''att3''
   order by 1,2');

SELECT row_name, extra_col, cat, value FROM foo ORDER BY 1;

SELECT DISTINCT cat FROM foo ORDER BY 1;

SELECT * FROM crosstab('...', '...')
    AS ct(row_name text, extra text, cat1 text, cat2 text, cat3 text, cat4 text);

select * from crosstab(
  'select year, month, qty from sales order by 1',
  'select m from generate_series(1,12) m'
) as (
  year int,
  "Jan" int,
  "Feb" int,
  "Mar" int,
  "Apr" int,
  "May" int,
  "Jun" int,
  "Jul" int,
  "Aug" int,
  "Sep" int,
  "Oct" int,
  "Nov" int,
  "Dec" int
);

SELECT * FROM crosstab
(
  'SELECT rowid, rowdt, attribute, val FROM cth ORDER BY 1',
  'SELECT DISTINCT attribute FROM cth ORDER BY 1'
)
AS
(
       rowid text,
       rowdt timestamp,
       temperature int4,
       test_result text,
       test_startdate timestamp,
       volts float8
);

SELECT * FROM connectby('connectby_tree', 'keyid', 'parent_keyid', 'pos', 'row2', 0, '~')
    AS t(keyid text, parent_keyid text, level int, branch text, pos int);

SELECT * FROM connectby('connectby_tree', 'keyid', 'parent_keyid', 'row2', 0, '~')
 AS t(keyid text, parent_keyid text, level int, branch text);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/textsearch-configuration.html (PostgreSQL Licence)

SELECT * FROM ts_debug('public.pg', '
PostgreSQL, the highly scalable, SQL compliant, open source object-relational
database management system, is now undergoing beta testing of the next
version of our software.
');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/textsearch-dictionaries.html (PostgreSQL Licence)

SELECT ts_lexize('norwegian_ispell', 'overbuljongterningpakkmesterassistent');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/textsearch-features.html (PostgreSQL Licence)

SELECT * FROM ts_stat('SELECT vector FROM apod')
ORDER BY nentry DESC, ndoc DESC, word
LIMIT 10;

SELECT * FROM ts_stat('SELECT vector FROM apod', 'ab')
ORDER BY nentry DESC, ndoc DESC, word
LIMIT 10;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/textsearch-intro.html (PostgreSQL Licence)

SELECT title || ' ' ||  author || ' ' ||  abstract || ' ' || body AS document
FROM messages
WHERE mid = 12;

SELECT m.title || ' ' || m.author || ' ' || m.abstract || ' ' || d.body AS document
FROM messages m, docs d
WHERE m.mid = d.did AND m.mid = 12;

SELECT 'a fat cat sat on a mat and ate a fat rat'::tsvector @@ 'cat & rat'::tsquery;

SELECT to_tsvector('fat cats ate fat rats') @@ to_tsquery('fat & rat');

SELECT 'fat cats ate fat rats'::tsvector @@ to_tsquery('fat & rat');

SELECT to_tsvector('fatal error') @@ to_tsquery('fatal <-> error');

SELECT phraseto_tsquery('cats ate rats');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/textsearch-tables.html (PostgreSQL Licence)

SELECT title
FROM pgweb
WHERE to_tsvector('english', body) @@ to_tsquery('english', 'friend');

SELECT title
FROM pgweb
WHERE to_tsvector(body) @@ to_tsquery('friend');

SELECT title
FROM pgweb
WHERE to_tsvector(title || ' ' || body) @@ to_tsquery('create & table')
ORDER BY last_mod_date DESC
LIMIT 10;

SELECT title
FROM pgweb
WHERE textsearchable_index_col @@ to_tsquery('create & table')
ORDER BY last_mod_date DESC
LIMIT 10;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tsm-system-rows.html (PostgreSQL Licence)

SELECT * FROM my_table TABLESAMPLE SYSTEM_ROWS(100);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tsm-system-time.html (PostgreSQL Licence)

SELECT * FROM my_table TABLESAMPLE SYSTEM_TIME(1000);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tutorial-agg.html (PostgreSQL Licence)

SELECT max(temp_lo) FROM weather;

SELECT city FROM weather WHERE temp_lo = max(temp_lo);

SELECT city FROM weather
    WHERE temp_lo = (SELECT max(temp_lo) FROM weather);

SELECT city, count(*), max(temp_lo)
    FROM weather
    GROUP BY city;

SELECT city, count(*), max(temp_lo)
    FROM weather
    GROUP BY city
    HAVING max(temp_lo) < 40;

SELECT city, count(*), max(temp_lo)
    FROM weather
    WHERE city LIKE 'S%'            -- (1)
    GROUP BY city;

SELECT city, count(*) FILTER (WHERE temp_lo < 45), max(temp_lo)
    FROM weather
    GROUP BY city;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tutorial-delete.html (PostgreSQL Licence)

SELECT * FROM weather;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tutorial-inheritance.html (PostgreSQL Licence)

SELECT name, elevation
  FROM cities
  WHERE elevation > 500;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tutorial-join.html (PostgreSQL Licence)

SELECT * FROM weather JOIN cities ON city = name;

SELECT city, temp_lo, temp_hi, prcp, date, location
    FROM weather JOIN cities ON city = name;

SELECT weather.city, weather.temp_lo, weather.temp_hi,
       weather.prcp, weather.date, cities.location
    FROM weather JOIN cities ON weather.city = cities.name;

SELECT *
    FROM weather, cities
    WHERE city = name;

SELECT *
    FROM weather LEFT OUTER JOIN cities ON weather.city = cities.name;

SELECT w1.city, w1.temp_lo AS low, w1.temp_hi AS high,
       w2.city, w2.temp_lo AS low, w2.temp_hi AS high
    FROM weather w1 JOIN weather w2
        ON w1.temp_lo < w2.temp_lo AND w1.temp_hi > w2.temp_hi;

SELECT *
    FROM weather w JOIN cities c ON w.city = c.name;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tutorial-select.html (PostgreSQL Licence)

SELECT city, temp_lo, temp_hi, prcp, date FROM weather;

SELECT city, (temp_hi+temp_lo)/2 AS temp_avg, date FROM weather;

SELECT * FROM weather
    WHERE city = 'San Francisco' AND prcp > 0.0;

SELECT * FROM weather
    ORDER BY city;

SELECT * FROM weather
    ORDER BY city, temp_lo;

SELECT DISTINCT city
    FROM weather;

SELECT DISTINCT city
    FROM weather
    ORDER BY city;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tutorial-views.html (PostgreSQL Licence)

SELECT * FROM myview;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/tutorial-window.html (PostgreSQL Licence)

SELECT depname, empno, salary, avg(salary) OVER (PARTITION BY depname) FROM empsalary;

SELECT depname, empno, salary,
       rank() OVER (PARTITION BY depname ORDER BY salary DESC)
FROM empsalary;

SELECT salary, sum(salary) OVER () FROM empsalary;

SELECT salary, sum(salary) OVER (ORDER BY salary) FROM empsalary;

SELECT depname, empno, salary, enroll_date
FROM
  (SELECT depname, empno, salary, enroll_date,
          rank() OVER (PARTITION BY depname ORDER BY salary DESC, empno) AS pos
     FROM empsalary
  ) AS ss
WHERE pos < 3;

SELECT sum(salary) OVER w, avg(salary) OVER w
  FROM empsalary
  WINDOW w AS (PARTITION BY depname ORDER BY salary DESC);

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/unaccent.html (PostgreSQL Licence)

SELECT unaccent('unaccent', 'Hôtel');

SELECT unaccent('Hôtel');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/uuid-ossp.html (PostgreSQL Licence)

SELECT uuid_generate_v3(uuid_ns_url(), 'http://www.postgresql.org');

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/view-pg-locks.html (PostgreSQL Licence)

SELECT * FROM pg_locks pl LEFT JOIN pg_stat_activity psa
    ON pl.pid = psa.pid;

SELECT * FROM pg_locks pl LEFT JOIN pg_prepared_xacts ppx
    ON pl.virtualtransaction = '-1/' || ppx.transaction;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/xaggr.html (PostgreSQL Licence)

SELECT sum(a) FROM test_complex;

SELECT
  unsafe_sum(x) OVER (ORDER BY n ROWS BETWEEN CURRENT ROW AND 1 FOLLOWING)
FROM (VALUES (1, 1.0e20::float8),
             (2, 1.0::float8)) AS v (n,x);

SELECT attrelid::regclass, array_accum(attname)
    FROM pg_attribute
    WHERE attnum > 0 AND attrelid = 'pg_tablespace'::regclass
    GROUP BY attrelid;

SELECT percentile_disc(0.5) WITHIN GROUP (ORDER BY income) FROM households;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/xfunc-c.html (PostgreSQL Licence)

SELECT name, c_overpaid(emp, 1500) AS overpaid
    FROM emp
    WHERE name = 'Bill' OR name = 'Sam';

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/xfunc-sql.html (PostgreSQL Licence)

SELECT tf1(17, 100.0);

SELECT * FROM sum_n_product_with_tab(10);

SELECT x, generate_series(1,5) AS g FROM tab;

SELECT x, g FROM tab, LATERAL generate_series(1,5) AS g;

SELECT srf1(srf2(x), srf3(y)), srf4(srf5(z)) FROM tab;

SELECT x, CASE WHEN x > 0 THEN generate_series(1, 5) ELSE 0 END FROM tab;

SELECT x, CASE WHEN y > 0 THEN generate_series(1, z) ELSE 5 END FROM tab;

SELECT x, case_generate_series(y > 0, 1, z, 5) FROM tab;

SELECT anyleast('abc'::text, 'ABC');

SELECT anyleast('abc'::text, 'ABC' COLLATE "C");

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/xindex.html (PostgreSQL Licence)

SELECT * FROM mytable ORDER BY somecol USING ~<~;

SELECT sum(x) OVER (ORDER BY x RANGE BETWEEN 5 PRECEDING AND 10 FOLLOWING)
  FROM mytable;

-- source: postgresql-doc-15 /usr/share/doc/postgresql-doc-15/html/xml2.html (PostgreSQL Licence)

SELECT * FROM
xpath_table('article_id',
            'article_xml',
            'articles',
            '/article/author|/article/pages|/article/title',
            'date_entered > ''2003-01-01'' ')
AS t(article_id integer, author text, page_count integer, title text);

SELECT t.title, p.fullname, p.email
FROM xpath_table('article_id', 'article_xml', 'articles',
                 '/article/title|/article/author/@id',
                 'xpath_string(article_xml,''/article/@date'') > ''2003-03-20'' ')
       AS t(article_id integer, title text, author_id integer),
     tblPeopleInfo AS p
WHERE t.author_id = p.person_id;

SELECT t.*,i.doc_num FROM
  xpath_table('id', 'xml', 'test',
              '/doc/line/@num|/doc/line/a|/doc/line/b|/doc/line/c',
              'true')
    AS t(id int, line_num varchar(10), val1 int, val2 int, val3 int),
  xpath_table('id', 'xml', 'test', '/doc/@num', 'true')
    AS i(id int, doc_num varchar(10))
WHERE i.id=t.id AND i.id=1
ORDER BY doc_num, line_num;

-- source: postgres/postgres src/test/regress/sql/select.sql, release 15.18 (PostgreSQL Licence)

SELECT * FROM onek
   WHERE onek.unique1 < 10
   ORDER BY onek.unique1;

SELECT onek.unique1, onek.stringu1 FROM onek
   WHERE onek.unique1 < 20
   ORDER BY unique1 using >;

SELECT onek.unique1, onek.stringu1 FROM onek
   WHERE onek.unique1 > 980
   ORDER BY stringu1 using <;

SELECT onek.unique1, onek.string4 FROM onek
   WHERE onek.unique1 > 980
   ORDER BY string4 using >, unique1 using <;

SELECT onek.unique1, onek.string4 FROM onek
   WHERE onek.unique1 < 20
   ORDER BY unique1 using >, string4 using <;

SELECT onek2.* FROM onek2 WHERE onek2.unique1 < 10;

SELECT onek2.unique1, onek2.stringu1 FROM onek2
    WHERE onek2.unique1 < 20
    ORDER BY unique1 using >;

SELECT p.name, p.age FROM person* p;

SELECT p.name, p.age FROM person* p ORDER BY age using >, name;

select foo from (select null offset 0) as foo;

select foo from (select 'xyzzy',1,null offset 0) as foo;

select * from onek,
  (values ((select i from
    (values(10000), (2), (389), (1000), (2000), ((select 10029))) as foo(i)
    order by i asc limit 1))) bar (i)
  where onek.unique1 = bar.i;

select * from onek
    where (unique1,ten) in (values (1,1), (20,0), (99,9), (17,99))
    order by unique1;

SELECT * FROM foo ORDER BY f1;

SELECT * FROM foo ORDER BY f1 ASC;

SELECT * FROM foo ORDER BY f1 DESC;

SELECT * FROM foo ORDER BY f1 DESC NULLS LAST;

select unique2 from onek2 where unique2 = 11 and stringu1 = 'ATAAAA';

select * from onek2 where unique2 = 11 and stringu1 < 'B';

select unique2 from onek2 where unique2 = 11 and stringu1 < 'B' for update;

select unique2 from onek2 where unique2 = 11 and stringu1 < 'C';

select unique1, unique2 from onek2
  where (unique2 = 11 and stringu1 < 'B') or unique1 = 0;

SELECT 1 AS x ORDER BY x;

select sillysrf(-1) order by 1;

select * from (values (2),(null),(1)) v(k) where k = k order by k;

-- source: postgres/postgres src/test/regress/sql/select_distinct.sql, release 15.18 (PostgreSQL Licence)

SELECT DISTINCT two FROM onek ORDER BY 1;

SELECT DISTINCT ten FROM onek ORDER BY 1;

SELECT DISTINCT string4 FROM onek ORDER BY 1;

SELECT DISTINCT two, string4, ten
   FROM onek
   ORDER BY two using <, string4 using <, ten using <;

SELECT DISTINCT p.age FROM person* p ORDER BY age using >;

SELECT count(*) FROM
  (SELECT DISTINCT two, four, two FROM tenk1) ss;

(SELECT * FROM distinct_hash_1 EXCEPT SELECT * FROM distinct_group_1)
  UNION ALL
(SELECT * FROM distinct_group_1 EXCEPT SELECT * FROM distinct_hash_1);

SELECT DISTINCT four FROM tenk1;

SELECT f1, f1 IS DISTINCT FROM 2 as "not 2" FROM disttable;

SELECT f1, f1 IS DISTINCT FROM NULL as "not null" FROM disttable;

SELECT f1, f1 IS DISTINCT FROM f1 as "false" FROM disttable;

SELECT f1, f1 IS DISTINCT FROM f1+1 as "not null" FROM disttable;

SELECT 1 IS DISTINCT FROM 2 as "yes";

SELECT 2 IS DISTINCT FROM 2 as "no";

SELECT 2 IS DISTINCT FROM null as "yes";

SELECT null IS DISTINCT FROM null as "no";

SELECT 1 IS NOT DISTINCT FROM 2 as "no";

SELECT 2 IS NOT DISTINCT FROM 2 as "yes";

SELECT 2 IS NOT DISTINCT FROM null as "no";

SELECT null IS NOT DISTINCT FROM null as "yes";

-- source: postgres/postgres src/test/regress/sql/select_distinct_on.sql, release 15.18 (PostgreSQL Licence)

SELECT DISTINCT ON (string4) string4, two, ten
   FROM onek
   ORDER BY string4 using <, two using >, ten using <;

SELECT DISTINCT ON (string4, ten) string4, two, ten
   FROM onek
   ORDER BY string4 using <, two using <, ten using <;

SELECT DISTINCT ON (string4, ten) string4, ten, two
   FROM onek
   ORDER BY string4 using <, ten using >, two using <;

select distinct on (1) floor(random()) as r, f1 from int4_tbl order by 1,2;

-- source: postgres/postgres src/test/regress/sql/select_having.sql, release 15.18 (PostgreSQL Licence)

SELECT b, c FROM test_having
	GROUP BY b, c HAVING count(*) = 1 ORDER BY b, c;

SELECT b, c FROM test_having
	GROUP BY b, c HAVING b = 3 ORDER BY b, c;

SELECT lower(c), count(c) FROM test_having
	GROUP BY lower(c) HAVING count(*) > 2 OR min(a) = max(a)
	ORDER BY lower(c);

SELECT c, max(a) FROM test_having
	GROUP BY c HAVING count(*) > 2 OR min(a) = max(a)
	ORDER BY c;

SELECT min(a), max(a) FROM test_having HAVING min(a) = max(a);

SELECT min(a), max(a) FROM test_having HAVING min(a) < max(a);

SELECT a FROM test_having HAVING min(a) < max(a);

SELECT 1 AS one FROM test_having HAVING a > 1;

SELECT 1 AS one FROM test_having HAVING 1 > 2;

SELECT 1 AS one FROM test_having HAVING 1 < 2;

SELECT 1 AS one FROM test_having WHERE 1/a = 1 HAVING 1 < 2;

-- source: postgres/postgres src/test/regress/sql/select_implicit.sql, release 15.18 (PostgreSQL Licence)

SELECT c, count(*) FROM test_missing_target GROUP BY test_missing_target.c ORDER BY c;

SELECT count(*) FROM test_missing_target GROUP BY test_missing_target.c ORDER BY c;

SELECT count(*) FROM test_missing_target GROUP BY a ORDER BY b;

SELECT count(*) FROM test_missing_target GROUP BY b ORDER BY b;

SELECT test_missing_target.b, count(*)
  FROM test_missing_target GROUP BY b ORDER BY b;

SELECT c FROM test_missing_target ORDER BY a;

SELECT count(*) FROM test_missing_target GROUP BY b ORDER BY b desc;

SELECT count(*) FROM test_missing_target ORDER BY 1 desc;

SELECT c, count(*) FROM test_missing_target GROUP BY 1 ORDER BY 1;

SELECT count(*) FROM test_missing_target x, test_missing_target y
	WHERE x.a = y.a
	GROUP BY b ORDER BY b;

SELECT a, a FROM test_missing_target
	ORDER BY a;

SELECT a/2, a/2 FROM test_missing_target
	ORDER BY a/2;

SELECT a/2, a/2 FROM test_missing_target
	GROUP BY a/2 ORDER BY a/2;

SELECT x.b, count(*) FROM test_missing_target x, test_missing_target y
	WHERE x.a = y.a
	GROUP BY x.b ORDER BY x.b;

SELECT count(*) FROM test_missing_target x, test_missing_target y
	WHERE x.a = y.a
	GROUP BY x.b ORDER BY x.b;

SELECT * FROM test_missing_target2;

SELECT a%2, count(b) FROM test_missing_target
GROUP BY test_missing_target.a%2
ORDER BY test_missing_target.a%2;

SELECT count(a) FROM test_missing_target GROUP BY a ORDER BY b;

SELECT count(b) FROM test_missing_target GROUP BY b/2 ORDER BY b/2;

SELECT lower(test_missing_target.c), count(c)
  FROM test_missing_target GROUP BY lower(c) ORDER BY lower(c);

SELECT a FROM test_missing_target ORDER BY upper(d);

SELECT count(b) FROM test_missing_target
	GROUP BY (b + 1) / 2 ORDER BY (b + 1) / 2 desc;

SELECT count(x.a) FROM test_missing_target x, test_missing_target y
	WHERE x.a = y.a
	GROUP BY b/2 ORDER BY b/2;

SELECT x.b/2, count(x.b) FROM test_missing_target x, test_missing_target y
	WHERE x.a = y.a
	GROUP BY x.b/2 ORDER BY x.b/2;

SELECT count(b) FROM test_missing_target x, test_missing_target y
	WHERE x.a = y.a
	GROUP BY x.b/2;

-- source: postgres/postgres src/test/regress/sql/select_into.sql, release 15.18 (PostgreSQL Licence)

SELECT *
   INTO TABLE sitmp1
   FROM onek
   WHERE onek.unique1 < 2;

SELECT *
   INTO TABLE sitmp1
   FROM onek2
   WHERE onek2.unique1 < 2;

SELECT * FROM ctas_nodata;

SELECT * FROM ctas_nodata_2;

SELECT * FROM ctas_nodata_3;

SELECT * FROM ctas_nodata_4;

SELECT make_table();

SELECT * FROM created_table;

SELECT * FROM (SELECT 1 INTO f) bar;

-- source: postgres/postgres src/test/regress/sql/join.sql, release 15.18 (PostgreSQL Licence)

SELECT *
  FROM J1_TBL AS tx;

SELECT i, k, t
  FROM J1_TBL CROSS JOIN J2_TBL;

SELECT *
  FROM J1_TBL t1 (a, b, c) JOIN J2_TBL t2 (a, b) USING (b)
  ORDER BY b, t1.a;

SELECT x.* FROM J1_TBL JOIN J2_TBL USING (i) AS x WHERE J1_TBL.t = 'one';

SELECT *
  FROM J1_TBL JOIN J2_TBL ON (J1_TBL.i = J2_TBL.i);

SELECT *
  FROM J1_TBL FULL JOIN J2_TBL USING (i)
  ORDER BY i, k, t;

SELECT * FROM
(SELECT name, n as s2_n, 2 as s2_2 FROM t2) as s2
NATURAL LEFT JOIN
(SELECT name, n as s3_n, 3 as s3_2 FROM t3) s3;

select * from y;

select * from (x left join y on (x1 = y1)) left join x xx(xx1,xx2)
on (x1 = xx1) where (x2 is not null);

select a.f1, b.f1, t.thousand, t.tenthous from
  tenk1 t,
  (select sum(f1)+1 as f1 from int4_tbl i4a) a,
  (select sum(f1) as f1 from int4_tbl i4b) b
where b.f1 = t.thousand and a.f1 = b.f1 and (a.f1+b.f1+999) = t.tenthous;

select foo.*, unnamed_join.* from
  t1 join t2 using (a) as foo, t3 as unnamed_join
  for update of foo;

select * from tt5,tt6 where tt5.f1 = tt6.f1 and tt5.f1 = tt5.f2 - tt6.f2;

select t1.q2, count(t2.*)
from int8_tbl t1 left join (select * from int8_tbl offset 0) t2 on (t1.q2 = t2.q1)
group by t1.q2 order by 1;

select * from
  int4_tbl as i41,
  lateral
    (select 1 as x from
      (select i41.f1 as lat,
              i42.f1 as loc from
         int8_tbl as i81, int4_tbl as i42) as ss1
      right join int4_tbl as i43 on (i43.f1 > 1)
      where ss1.loc = ss1.lat) as ss2
where i41.f1 > 0;

with ctetable as not materialized ( select 1 as f1 )
select * from ctetable c1
where f1 in ( select c3.f1 from ctetable c2 full join ctetable c3 on true );

select q1, unique2, thousand, hundred
  from int8_tbl a left join tenk1 b on q1 = unique2
  where coalesce(thousand,123) = q1 and q1 = coalesce(hundred,123);

select * from
  text_tbl t1
  left join int8_tbl i8
  on i8.q2 = 123,
  lateral (select i8.q1, t2.f1 from text_tbl t2 limit 1) as ss
where t1.f1 = ss.f1;

select p.* from
  parent p left join child c on (p.k = c.k)
  where p.k = 1 and p.k = 2;

select * from
  (select *, 12 as phv from parttbl) as ss
  right join int4_tbl on true
where ss.a = ss.phv and f1 = 0;

select unique2, x.*
from tenk1 a, lateral (select * from int4_tbl b where f1 = a.unique1) x;

select count(*) from tenk1 a,
  tenk1 b join lateral (values(a.unique1),(-1)) ss(x) on b.unique2 = ss.x;

select * from (values(1)) x(lb),
  lateral (select lb from int4_tbl) y(lbcopy);

select * from
  int8_tbl a left join
  lateral (select *, a.q2 as x from int8_tbl b) ss on a.q2 = ss.q1;

select * from (
  select arrayd.ad, coalesce(c.hundred, 0) as h
  from unnest(array[1]) as arrayd(ad)
  left join lateral (
    select hundred from tenk1 where unique2 = arrayd.ad
  ) c on true
) c2
where c2.h * c2.ad = c2.h * (c2.ad + 1);

select f1,g from int4_tbl a right join lateral generate_series(0, a.f1) g on true;

-- source: postgres/postgres src/test/regress/sql/aggregates.sql, release 15.18 (PostgreSQL Licence)

SELECT avg(four) AS avg_1 FROM onek;

SELECT max(a) AS max_100 FROM aggtest;

SELECT var_samp(b::numeric) FROM aggtest;

SELECT stddev_pop('inf'::float4), stddev_samp('inf'::float4);

select sum(null::int8) from generate_series(1,3);

SELECT sum(x::float8), avg(x::float8), var_pop(x::float8)
FROM (VALUES ('infinity'), ('1')) v(x);

SELECT avg(x::float8), var_pop(x::float8)
FROM (VALUES (7000000000005), (7000000000007)) v(x);

SELECT corr(b, a) FROM aggtest;

SELECT float8_combine('{3,60,200}'::float8[], '{0,0,0}'::float8[]);

SELECT newavg(four) AS avg_1 FROM onek;

select array(select sum(x+y) s
            from generate_series(1,3) y group by y order by s)
  from generate_series(1,3) x;

select max(unique1) from tenk1;

select max(unique2) from tenk1 order by max(unique2)+1;

select f1 from t1 left join t2 using (f1) group by f1;

select array_agg(distinct a order by a desc)
  from (values (1),(2),(1),(3),(null),(2)) v(a);

select aggfns(distinct a,a,c order by a)
  from (values (1,3,'foo'),(0,null,null),(2,2,'bar'),(3,1,'baz')) v(a,b,c),
       generate_series(1,2) i;

select string_agg(a,'AB') from (values(null),(null),('bbbb'),('cccc')) g(a);

select sum(1/ten) filter (where ten > 0) from tenk1;

select max(0) filter (where b1) from bool_test;

select percentile_cont(0.5) within group (order by b) from aggtest;

select percentile_disc(array[[null,1,0.5],[0.75,0.25,null]]) within group (order by thousand)
from tenk1;

select rank(3) within group (order by x) from (values ('fred'),('jim')) v(x);

select least_agg(variadic array[q1,q2]) from int8_tbl;

select my_avg(one),my_sum(two) from (values(1,2),(3,4)) t(one,two);

SELECT dense_rank(x) WITHIN GROUP (ORDER BY x) FROM (VALUES (1),(1),(2),(2),(3),(3)) v(x) GROUP BY (x) ORDER BY 1;

-- source: postgres/postgres src/test/regress/sql/case.sql, release 15.18 (PostgreSQL Licence)

SELECT '3' AS "One",
  CASE
    WHEN 1 < 2 THEN 3
  END AS "Simple WHEN";

SELECT '<NULL>' AS "One",
  CASE
    WHEN 1 > 2 THEN 3
  END AS "Simple default";

SELECT '3' AS "One",
  CASE
    WHEN 1 < 2 THEN 3
    ELSE 4
  END AS "Simple ELSE";

SELECT '4' AS "One",
  CASE
    WHEN 1 > 2 THEN 3
    ELSE 4
  END AS "ELSE default";

SELECT '6' AS "One",
  CASE
    WHEN 1 > 2 THEN 3
    WHEN 4 < 5 THEN 6
    ELSE 7
  END AS "Two WHEN with default";

SELECT '7' AS "None",
   CASE WHEN random() < 0 THEN 1
   END AS "NULL on no matches";

SELECT CASE WHEN 1=0 THEN 1/0 WHEN 1=1 THEN 1 ELSE 2/0 END;

SELECT CASE 1 WHEN 0 THEN 1/0 WHEN 1 THEN 1 ELSE 2/0 END;

SELECT CASE WHEN i > 100 THEN 1/0 ELSE 0 END FROM case_tbl;

SELECT CASE 'a' WHEN 'a' THEN 1 ELSE 2 END;

SELECT
  CASE
    WHEN i >= 3 THEN i
  END AS ">= 3 or Null"
  FROM CASE_TBL;

SELECT
  CASE WHEN i >= 3 THEN (i + i)
       ELSE i
  END AS "Simplest Math"
  FROM CASE_TBL;

SELECT i AS "Value",
  CASE WHEN (i < 0) THEN 'small'
       WHEN (i = 0) THEN 'zero'
       WHEN (i = 1) THEN 'one'
       WHEN (i = 2) THEN 'two'
       ELSE 'big'
  END AS "Category"
  FROM CASE_TBL;

SELECT
  CASE WHEN ((i < 0) or (i < 0)) THEN 'small'
       WHEN ((i = 0) or (i = 0)) THEN 'zero'
       WHEN ((i = 1) or (i = 1)) THEN 'one'
       WHEN ((i = 2) or (i = 2)) THEN 'two'
       ELSE 'big'
  END AS "Category"
  FROM CASE_TBL;

SELECT * FROM CASE_TBL WHERE COALESCE(f,i) = 4;

SELECT * FROM CASE_TBL WHERE NULLIF(f,i) = 2;

SELECT COALESCE(a.f, b.i, b.j)
  FROM CASE_TBL a, CASE2_TBL b;

SELECT *
  FROM CASE_TBL a, CASE2_TBL b
  WHERE COALESCE(a.f, b.i, b.j) = 2;

SELECT NULLIF(a.i,b.i) AS "NULLIF(a.i,b.i)",
  NULLIF(b.i, 4) AS "NULLIF(b.i,4)"
  FROM CASE_TBL a, CASE2_TBL b;

SELECT *
  FROM CASE_TBL a, CASE2_TBL b
  WHERE COALESCE(f,b.i) = 2;

SELECT * FROM CASE_TBL;

SELECT CASE
  (CASE vol('bar')
    WHEN 'foo' THEN 'it was foo!'
    WHEN vol(null) THEN 'null input'
    WHEN 'bar' THEN 'it was bar!' END
  )
  WHEN 'it was foo!' THEN 'foo recognized'
  WHEN 'it was bar!' THEN 'bar recognized'
  ELSE 'unrecognized' END;

SELECT CASE volfoo('bar') WHEN 'foo'::foodomain THEN 'is foo' ELSE 'is not foo' END;

SELECT CASE make_ad(1,2)
  WHEN array[2,4]::arrdomain THEN 'wrong'
  WHEN array[2,5]::arrdomain THEN 'still wrong'
  WHEN array[1,2]::arrdomain THEN 'right'
  END;

SELECT NULLIF(make_ad(1,2), array[2,3]::arrdomain);

-- source: postgres/postgres src/test/regress/sql/subselect.sql, release 15.18 (PostgreSQL Licence)

SELECT 1 AS one WHERE 1 IN (SELECT 1);

SELECT * FROM (SELECT 1 AS x) ss;

SELECT ((SELECT 2) UNION SELECT 2);

SELECT ((SELECT ARRAY[1,2,3]))[2];

SELECT f1 AS "Constant Select" FROM SUBSELECT_TBL
  WHERE f1 IN (SELECT 1);

SELECT f1 AS "Correlated Field", f2 AS "Second Field"
  FROM SUBSELECT_TBL upper
  WHERE f1 IN (SELECT f2 FROM SUBSELECT_TBL WHERE f1 = upper.f1);

SELECT f1 AS "Correlated Field"
  FROM SUBSELECT_TBL
  WHERE (f1, f2) IN (SELECT f2, CAST(f3 AS int4) FROM SUBSELECT_TBL
                     WHERE f3 IS NOT NULL);

SELECT *, pg_typeof(f1) FROM
  (SELECT 'foo' AS f1 FROM generate_series(1,3)) ss ORDER BY 1;

select count(distinct ss.ten) from
  (select ten from tenk1 a
   where unique1 IN (select hundred from tenk1 b)) ss;

SELECT * FROM foo WHERE id IN
    (SELECT id2 FROM (SELECT DISTINCT id1, id2 FROM bar) AS s);

SELECT * FROM foo WHERE id IN
    (SELECT id2 FROM (SELECT id2 FROM bar GROUP BY id2) AS s);

select * from shipped_view;

select * from (
  select min(unique1) from tenk1 as a
  where not exists (select 1 from tenk1 as b where b.unique2 = 10000)
) ss;

select
  ( select min(tb.id) from tb
    where tb.aval = (select ta.val from ta where ta.id = tc.aid) ) as min_tb_id
from tc;

select (select view_a) from view_a;

with q as (select max(f1) from int4_tbl group by f1 order by f1)
  select q from q;

select * from outer_7597 where (f1, f2) not in (select * from inner_7597);

select row(row(row(1))) = any (select row(row(1)));

select count(*) from tenk1 t
where (exists(select 1 from tenk1 k where k.unique1 = t.unique2) or ten < 0);

select a.thousand from tenk1 a, tenk1 b
where a.thousand = b.thousand
  and exists ( select 1 from tenk1 c where b.hundred = c.hundred
                   and not exists ( select 1 from tenk1 d
                                    where a.thousand = d.thousand ) );

select * from notinouter where a not in (select b from notininner);

select * from
(values
  (3 not in (select * from (values (1), (2)) ss1)),
  (false)
) ss;

select (select q from
         (select 1,2,3 where f1 > 0
          union all
          select 4,5,6.0 where f1 <= 0
         ) q )
from int4_tbl;

select nextval('ts1');

select * from explain_sq_limit();

-- source: postgres/postgres src/test/regress/sql/union.sql, release 15.18 (PostgreSQL Licence)

SELECT 1 AS two UNION SELECT 2 ORDER BY 1;

SELECT 1 AS two UNION ALL SELECT 1;

SELECT 1 AS three UNION SELECT 2 UNION ALL SELECT 2 ORDER BY 1;

SELECT 1 AS two UNION SELECT 2.2 ORDER BY 1;

SELECT 1.0::float8 AS two UNION ALL SELECT 1 ORDER BY 1;

SELECT 1.1 AS three UNION SELECT 2 UNION ALL SELECT 2 ORDER BY 1;

SELECT f1 AS ten FROM FLOAT8_TBL
UNION ALL
SELECT f1 FROM FLOAT8_TBL;

SELECT CAST(f1 AS char(4)) AS three FROM VARCHAR_TBL
UNION
SELECT f1 FROM CHAR_TBL
ORDER BY 1;

SELECT f1 AS five FROM TEXT_TBL
UNION
SELECT f1 FROM VARCHAR_TBL
UNION
SELECT TRIM(TRAILING FROM f1) FROM CHAR_TBL
ORDER BY 1;

SELECT q2 FROM int8_tbl EXCEPT SELECT q1 FROM int8_tbl ORDER BY 1;

SELECT q1 FROM int8_tbl EXCEPT SELECT q2 FROM int8_tbl ORDER BY 1;

SELECT q1 FROM int8_tbl EXCEPT ALL SELECT q1 FROM int8_tbl FOR NO KEY UPDATE;

(SELECT 1,2,3 UNION SELECT 4,5,6) EXCEPT SELECT 4,5,6;

select unique1 from tenk1 except select unique2 from tenk1 where unique2 != 10;

select x from (values (array[1, 2]), (array[1, 3])) _(x) except select x from (values (array[1, 2]), (array[1, 4])) _(x);

select x from (values (row(1, 2)), (row(1, 3))) _(x) intersect select x from (values (row(1, 2)), (row(1, 4))) _(x);

select x from (values (row(100::money)::ct1), (row(200::money)::ct1)) _(x) union select x from (values (row(100::money)::ct1), (row(300::money)::ct1)) _(x);

SELECT q1 FROM int8_tbl INTERSECT SELECT q2 FROM int8_tbl UNION ALL SELECT q2 FROM int8_tbl  ORDER BY 1;

SELECT q1 FROM int8_tbl UNION ALL (((SELECT q2 FROM int8_tbl EXCEPT SELECT q1 FROM int8_tbl ORDER BY 1)));

select union select;

select from generate_series(1,5) union select from generate_series(1,3);

select from generate_series(1,5) intersect all select from generate_series(1,3);

SELECT a.f1 FROM (SELECT 'test' AS f1 FROM varchar_tbl) a
UNION
SELECT b.f1 FROM (SELECT f1 FROM varchar_tbl) b
ORDER BY 1;

SELECT * FROM
  (SELECT 1 AS t, 2 AS x
   UNION
   SELECT 2 AS t, 4 AS x) ss
WHERE x < 4
ORDER BY x;

select distinct q1 from
  (select distinct * from int8_tbl i81
   union all
   select distinct * from int8_tbl i82) ss
where q2 = q2;

-- source: postgres/postgres src/test/regress/sql/with.sql, release 15.18 (PostgreSQL Licence)

WITH q1(x,y) AS (SELECT 1,2)
SELECT * FROM q1, q1 AS q2;

WITH RECURSIVE t(n) AS (
    SELECT 1
UNION
    SELECT 10-n FROM t)
SELECT * FROM t;

WITH RECURSIVE w1(c1) AS
 (WITH w2(c2) AS
  (WITH w3(c3) AS
   (WITH w4(c4) AS
    (WITH w5(c5) AS
     (WITH RECURSIVE w6(c6) AS
      (WITH w6(c6) AS
       (WITH w8(c8) AS
        (SELECT 1)
        SELECT * FROM w8)
       SELECT * FROM w6)
      SELECT * FROM w6)
     SELECT * FROM w5)
    SELECT * FROM w4)
   SELECT * FROM w3)
  SELECT * FROM w2)
SELECT * FROM w1;

SELECT count(*) FROM (
    WITH RECURSIVE t(n) AS (
        SELECT 1 UNION ALL SELECT n + 1 FROM t WHERE n < 500
    )
    SELECT * FROM t) AS t WHERE n < (
        SELECT count(*) FROM (
            WITH RECURSIVE t(n) AS (
                   SELECT 1 UNION ALL SELECT n + 1 FROM t WHERE n < 100
                )
            SELECT * FROM t WHERE n < 50000
         ) AS t WHERE n < 100);

with recursive q as (
      select * from department
    union all
      (with recursive x as (
           select * from department
         union all
           (select * from q union all select * from x)
        )
       select * from x)
    )
select * from q limit 32;

with recursive search_graph(f, t, label) as (
	select * from graph0 g
	union all
	select g.*
	from graph0 g, search_graph sg
	where g.f = sg.t
) search depth first by f, t set seq
select * from search_graph order by seq;

with recursive search_graph(f, t, label) as (
	select * from graph0 g
	union all
	select g.*
	from graph0 g, search_graph sg
	where g.f = sg.t
) search depth first by foo, tar set seq
select * from search_graph;

select pg_get_viewdef('v_search');

with recursive search_graph(f, t, label) as (
	select * from graph g
	union distinct
	select g.*
	from graph g, search_graph sg
	where g.f = sg.t
) cycle f, t set is_cycle to 'Y' default 'N' using path
select * from search_graph;

with recursive search_graph(f, t, label) as (
	select * from graph g
	union all
	select g.*
	from graph g, search_graph sg
	where g.f = sg.t
) cycle foo, tar set is_cycle using path
select * from search_graph;

with recursive search_graph(f, t, label) as (
	select * from graph g
	union all
	select g.*
	from graph g, search_graph sg
	where g.f = sg.t
) cycle f, t, f set is_cycle to true default false using path
select * from search_graph;

select * from v_cycle2;

WITH RECURSIVE
   x(id) AS
     (SELECT 1 UNION ALL SELECT id+1 FROM x WHERE id < 3 ),
   y(id) AS
     (SELECT * FROM x UNION ALL SELECT * FROM x),
   z(id) AS
     (SELECT * FROM y UNION ALL SELECT id+1 FROM z WHERE id < 10)
 SELECT * FROM z;

WITH RECURSIVE x(n) AS (SELECT 1 EXCEPT ALL SELECT n+1 FROM x)
	SELECT * FROM x;

WITH RECURSIVE x(n) AS (
  SELECT 0 UNION SELECT 1
  ORDER BY (SELECT n FROM x))
	SELECT * FROM x;

WITH RECURSIVE x(n) AS (SELECT 1 UNION ALL SELECT count(*) FROM x)
  SELECT * FROM x;

WITH RECURSIVE
  x (id) AS (SELECT 1 UNION ALL SELECT id+1 FROM y WHERE id < 5),
  y (id) AS (SELECT 1 UNION ALL SELECT id+1 FROM x WHERE id < 5)
SELECT * FROM x;

with cte(foo) as ( values(42) ) values((select foo from cte));

WITH RECURSIVE t(j) AS (
    WITH RECURSIVE s(i) AS (
        VALUES (1)
        UNION ALL
        SELECT i+1 FROM s WHERE i < 10
    )
    SELECT i FROM s
    UNION ALL
    SELECT j+1 FROM t WHERE j < 10
)
SELECT * FROM t;

WITH RECURSIVE
  tab(id_key,link) AS (VALUES (1,17), (2,17), (3,17), (4,17), (6,17), (5,17)),
  iter (id_key, row_type, link) AS (
      SELECT 0, 'base', 17
    UNION ALL (
      WITH remaining(id_key, row_type, link, min) AS (
        SELECT tab.id_key, 'true'::text, iter.link, MIN(tab.id_key) OVER ()
        FROM tab INNER JOIN iter USING (link)
        WHERE tab.id_key > iter.id_key
      ),
      first_remaining AS (
        SELECT id_key, row_type, link
        FROM remaining
        WHERE id_key=min
      ),
      effect AS (
        SELECT tab.id_key, 'new'::text, tab.link
        FROM first_remaining e INNER JOIN tab ON e.id_key=tab.id_key
        WHERE e.row_type = 'false'
      )
      SELECT * FROM first_remaining
      UNION ALL SELECT * FROM effect
    )
  )
SELECT * FROM iter;

WITH t AS (
	DELETE FROM y RETURNING *
)
SELECT * FROM t;

SELECT * from id_alw3;

WITH t AS (
    INSERT INTO withz SELECT i, 'insert'
    FROM generate_series(0, 16) i
    ON CONFLICT (k) DO UPDATE SET v = withz.v || ', now update'
    RETURNING *
)
SELECT * FROM t JOIN y ON t.k = y.a ORDER BY a, k;

WITH RECURSIVE t1 AS (
  INSERT INTO y SELECT * FROM y RETURNING *
), t2 AS (
  INSERT INTO yy SELECT * FROM t1 RETURNING *
)
SELECT 1;

SELECT * FROM parent;

-- source: postgres/postgres src/test/regress/sql/window.sql, release 15.18 (PostgreSQL Licence)

SELECT depname, empno, salary, sum(salary) OVER (PARTITION BY depname) FROM empsalary ORDER BY depname, salary;

SELECT rank() OVER (PARTITION BY four ORDER BY ten) AS rank_1, ten, four FROM tenk1 WHERE unique2 < 10;

SELECT lead(ten * 2, 1) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT * FROM(
  SELECT count(*) OVER (PARTITION BY four ORDER BY ten) +
    sum(hundred) OVER (PARTITION BY two ORDER BY ten) AS total,
    count(*) OVER (PARTITION BY four ORDER BY ten) AS fourcount,
    sum(hundred) OVER (PARTITION BY two ORDER BY ten) AS twosum
    FROM tenk1
)sub
WHERE total <> fourcount + twosum;

SELECT four, ten,
	sum(ten) over (partition by four order by ten),
	last_value(ten) over (partition by four order by ten)
FROM (select distinct ten, four from tenk1) ss;

SELECT sum(unique1) over (rows between 2 preceding and 2 following exclude ties),
	unique1, four
FROM tenk1 WHERE unique1 < 10;

SELECT sum(unique1) over (w range between current row and unbounded following),
	unique1, four
FROM tenk1 WHERE unique1 < 10 WINDOW w AS (order by four);

SELECT sum(unique1) over (ORDER BY four groups between current row and 9223372036854775807 following),
	unique1, four
FROM tenk1 WHERE unique1 < 10;

SELECT sum(unique1) over (partition by four order by unique1 range between 5::int8 preceding and 6::int2 following
	exclude current row),unique1, four
FROM tenk1 WHERE unique1 < 10;

select last_value(salary) over(order by salary range between 1000 following and 3000 following
	exclude group),
	lag(salary) over(order by salary range between 1000 following and 3000 following exclude group),
	salary from empsalary;

SELECT * FROM unbounded_syntax_test2a(2);

select id, f_float4, first_value(id) over w, last_value(id) over w
from numerics
window w as (order by f_float4 range between
             1 preceding and 1 following);

select id, f_float8, first_value(id) over w, last_value(id) over w
from numerics
window w as (order by f_float8 range between
             'inf' following and 'inf' following);

select id, f_timetz, first_value(id) over w, last_value(id) over w
from datetimes
window w as (order by f_timetz range between
             '70 min'::interval preceding and '2 hours'::interval following);

select sum(salary) over (order by depname range between '1 year'::interval preceding and '2 years'::interval following
	exclude ties), salary, enroll_date from empsalary;

SELECT sum(unique1) over (order by four groups between unbounded preceding and 2 following),
	unique1, four
FROM tenk1 WHERE unique1 < 10;

select first_value(salary) over(order by enroll_date groups between 1 preceding and 1 following),
	lead(salary) over(order by enroll_date groups between 1 preceding and 1 following),
	nth_value(salary, 1) over(order by enroll_date groups between 1 preceding and 1 following),
	salary, enroll_date from empsalary;

SELECT count(*) OVER (PARTITION BY four) FROM (SELECT * FROM tenk1 UNION ALL SELECT * FROM tenk2)s LIMIT 0;

SELECT * FROM empsalary WHERE row_number() OVER (ORDER BY salary) < 10;

SELECT * FROM
  (SELECT empno,
          row_number() OVER (ORDER BY empno) rn
   FROM empsalary) emp
WHERE 2 >= rn;

SELECT nth_value_def(n := 2, val := ten) OVER (PARTITION BY four), ten, four
  FROM (SELECT * FROM tenk1 WHERE unique2 < 10 ORDER BY four, ten) s;

SELECT i,AVG(v::numeric) OVER (ORDER BY i ROWS BETWEEN CURRENT ROW AND UNBOUNDED FOLLOWING)
  FROM (VALUES(1,1.5),(2,2.5),(3,NULL),(4,NULL)) t(i,v);

SELECT VAR_POP(n::bigint) OVER (ORDER BY i ROWS BETWEEN CURRENT ROW AND UNBOUNDED FOLLOWING)
  FROM (VALUES(1,600),(2,470),(3,170),(4,430),(5,300)) r(i,n);

SELECT VARIANCE(n::smallint) OVER (ORDER BY i ROWS BETWEEN CURRENT ROW AND UNBOUNDED FOLLOWING)
  FROM (VALUES(1,600),(2,470),(3,170),(4,430),(5,300)) r(i,n);

SELECT STDDEV(n::int) OVER (ORDER BY i ROWS BETWEEN CURRENT ROW AND UNBOUNDED FOLLOWING)
  FROM (VALUES(0,NULL),(1,600),(2,470),(3,170),(4,430),(5,300)) r(i,n);

-- source: postgres/postgres src/test/regress/sql/strings.sql, release 15.18 (PostgreSQL Licence)

SELECT 'first line'
' - next line'
	' - third line'
	AS "Three lines to one";

SELECT E'De\\000dBeEf'::bytea;

SELECT TRIM(BOTH FROM '  bunch o blanks  ') = 'bunch o blanks' AS "bunch o blanks";

SELECT SUBSTRING('abcdefg' SIMILAR NULL ESCAPE '#') IS NULL AS "True";

SELECT 'abcd%' SIMILAR TO '_bcd#%' ESCAPE '#' AS true;

SELECT regexp_replace('A PostgreSQL function', 'A|e|i|o|u', 'X', 1, 2);

SELECT regexp_count('123123123123', '123', 33);

SELECT regexp_instr('abcabcabc', 'a.c', 1, 3);

SELECT regexp_instr('foo', 'foo(bar)?', 1, 1, 0, '', 1);

SELECT regexp_substr('1234567890', '(123)(4(56)(78))', 1, 1, 'i', 0);

SELECT regexp_matches(chr(10) || '1' || chr(10) || '2' || chr(10) || '3' || chr(10) || '4' || chr(10), '.?$', 'mg');

SELECT regexp_split_to_array('thE QUick bROWn FOx jUMPs ovEr The lazy dOG', 'e', 'iz');

SELECT 'hawkeye' NOT LIKE 'indio%' AS "true";

SELECT 'hawkeye' NOT LIKE 'h%' ESCAPE '#' AS "false";

SELECT 'i_dio' NOT LIKE 'i$_d_o' ESCAPE '$' AS "false";

SELECT 'be_r' LIKE '__e__r' ESCAPE '_' AS "false";

SELECT 'foo' LIKE '__%' as t, 'foo' LIKE '___%' as t, 'foo' LIKE '____%' as f;

SELECT pg_relation_size(reltoastrelid) = 0 AS is_empty
  FROM pg_class where relname = 'toasttest';

select split_part('joeuser@mydatabase','',2) AS "empty string";

select to_hex(256*256*256 - 1) AS "ffffff";

select md5('ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789'::bytea) = 'd174ab98d277d9f5a5611c2c9f419d9f' AS "TRUE";

SELECT encode('\x1234567890abcdef00', 'escape');

SELECT lpad('hello', 2);

SELECT chr(0);

SELECT encode(overlay(E'Th\\000omas'::bytea placing E'Th\\001omas'::bytea from 2),'escape');

-- source: postgres/postgres src/test/regress/sql/boolean.sql, release 15.18 (PostgreSQL Licence)

SELECT 1 AS one;

SELECT false AS false;

SELECT bool 'true' AS true;

SELECT bool 'foo' AS error;

SELECT bool 'yeah' AS error;

SELECT bool 'nay' AS error;

SELECT bool 'of' AS false;

SELECT bool 'on_' AS error;

SELECT bool '11' AS error;

SELECT bool '' AS error;

SELECT not bool 'f' AS true;

SELECT bool 't' > bool 'f' AS true;

SELECT bool 'f' <= bool 't' AS true;

SELECT '    true   '::text::boolean AS true,
       '     FALSE'::text::boolean AS false;

SELECT ''::text::boolean AS invalid;

SELECT BOOLTBL1.*
   FROM BOOLTBL1
   WHERE f1 <> bool 'false';

SELECT BOOLTBL2.* FROM BOOLTBL2;

SELECT BOOLTBL1.*, BOOLTBL2.*
   FROM BOOLTBL1, BOOLTBL2
   WHERE BOOLTBL2.f1 = BOOLTBL1.f1 and BOOLTBL1.f1 = bool 'false';

SELECT f1
   FROM BOOLTBL1
   WHERE f1 IS NOT FALSE;

SELECT f1
   FROM BOOLTBL1
   WHERE f1 IS NOT TRUE;

SELECT f1
   FROM BOOLTBL2
   WHERE f1 IS FALSE;

SELECT istrue AND isnul AND istrue FROM booltbl4;

SELECT isfalse AND isnul AND istrue FROM booltbl4;

SELECT isfalse OR isnul OR isfalse FROM booltbl4;

SELECT isfalse OR isnul OR istrue FROM booltbl4;

-- source: postgres/postgres src/test/regress/sql/limit.sql, release 15.18 (PostgreSQL Licence)

SELECT ''::text AS two, unique1, unique2, stringu1
		FROM onek WHERE unique1 > 50
		ORDER BY unique1 LIMIT 2;

SELECT ''::text AS five, unique1, unique2, stringu1
		FROM onek WHERE unique1 > 60
		ORDER BY unique1 LIMIT 5;

SELECT ''::text AS two, unique1, unique2, stringu1
		FROM onek WHERE unique1 > 60 AND unique1 < 63
		ORDER BY unique1 LIMIT 5;

SELECT ''::text AS three, unique1, unique2, stringu1
		FROM onek WHERE unique1 > 100
		ORDER BY unique1 LIMIT 3 OFFSET 20;

SELECT ''::text AS zero, unique1, unique2, stringu1
		FROM onek WHERE unique1 < 50
		ORDER BY unique1 DESC LIMIT 8 OFFSET 99;

SELECT ''::text AS eleven, unique1, unique2, stringu1
		FROM onek WHERE unique1 < 50
		ORDER BY unique1 DESC LIMIT 20 OFFSET 39;

SELECT ''::text AS ten, unique1, unique2, stringu1
		FROM onek
		ORDER BY unique1 OFFSET 990;

SELECT ''::text AS five, unique1, unique2, stringu1
		FROM onek
		ORDER BY unique1 OFFSET 990 LIMIT 5;

SELECT ''::text AS five, unique1, unique2, stringu1
		FROM onek
		ORDER BY unique1 LIMIT 5 OFFSET 900;

select * from int8_tbl limit (case when random() < 0.5 then null::bigint end);

select * from int8_tbl offset (case when random() < 0.5 then null::bigint end);

SELECT
  (SELECT n
     FROM (VALUES (1)) AS x,
          (SELECT n FROM generate_series(1,10) AS n
             ORDER BY n LIMIT 1 OFFSET s-1) AS y) AS z
  FROM generate_series(1,10) AS s;

select unique1, unique2, nextval('testseq')
  from tenk1 order by unique2 limit 10;

select currval('testseq');

select unique1, unique2, nextval('testseq')
  from tenk1 order by tenthous limit 10;

select unique1, unique2, generate_series(1,10)
  from tenk1 order by unique2 limit 7;

select unique1, unique2, generate_series(1,10)
  from tenk1 order by tenthous limit 7;

select generate_series(0,2) as s1, generate_series((random()*.1)::int,2) as s2;

select generate_series(0,2) as s1, generate_series((random()*.1)::int,2) as s2
order by s2 desc;

select sum(tenthous) as s1, sum(tenthous) + random()*0 as s2
  from tenk1 group by thousand order by thousand limit 3;

SELECT  thousand
		FROM onek WHERE thousand < 5
		ORDER BY thousand FETCH FIRST 2 ROW WITH TIES;

SELECT  thousand
		FROM onek WHERE thousand < 5
		ORDER BY thousand FETCH FIRST ROWS WITH TIES;

SELECT  thousand
		FROM onek WHERE thousand < 5
		ORDER BY thousand FETCH FIRST 1 ROW WITH TIES;

SELECT  thousand
		FROM onek WHERE thousand < 5
		ORDER BY thousand FETCH FIRST 2 ROW ONLY;

-- source: postgres/postgres src/test/regress/sql/groupingsets.sql, release 15.18 (PostgreSQL Licence)

select a, b, grouping(a,b), sum(v), count(*), max(v)
  from gstest1 group by rollup (a,b);

select a, b, grouping(a,b), sum(v), count(*), max(v)
  from gstest1 group by rollup (a,b) order by coalesce(a,0)+coalesce(b,0);

select a, b, sum(c), sum(sum(c)) over (order by a,b) as rsum
  from gstest2 group by rollup (a,b) order by rsum, a, b;

select sum(c) from gstest2
  group by grouping sets(a, grouping sets(a, cube(b)))
  order by 1 desc;

select sum(c) from gstest2
  group by grouping sets(grouping sets(a, grouping sets(a), a))
  order by 1 desc;

select a, b, sum(v), count(*) from gstest_empty group by grouping sets ((a,b),());

select t1.a, t2.b, sum(t1.v), count(*) from gstest_empty t1, gstest_empty t2
 group by grouping sets ((t1.a,t2.b),());

select a, b, grouping(a, b), sum(t1.v), max(t2.c)
  from gstest1 t1 join gstest2 t2 using (a,b)
 group by grouping sets ((a, b), ());

select four, x || 'x'
  from (select four, ten, 'foo'::text as x from tenk1) as t
  group by grouping sets (four, x)
  order by four;

select * from (
  select 1 as x, q1, sum(q2)
  from int8_tbl i1
  group by grouping sets(1, 2)
) ss
where x = 1 and q1 = 123;

select *
  from (values (1),(2)) v(x),
       lateral (select a, b, sum(v.x) from gstest_data(v.x) group by rollup (a,b)) s;

select(select (select grouping(e,f) from (values (1)) v2(c)) from (values (1,2)) v1(a,b) group by (a,b)) from (values(6,7)) v3(e,f) GROUP BY ROLLUP(e,f);

select a, b from (values (1,2),(2,3)) v(a,b) group by a,b, grouping sets(a);

select a, b, sum(c), sum(sum(c)) over (order by a,b) as rsum
  from gstest2 group by cube (a,b) order by rsum, a, b;

select (select grouping(a,b) from gstest2) from gstest2 group by a,b;

select a,count(*) from gstest2 group by rollup(a) having a is distinct from 1 order by a;

select ten, grouping(ten) from onek
group by grouping sets(ten, four) having grouping(ten) > 0
order by 2,1;

select ten, grouping(ten) from onek
group by (ten) having grouping(ten) >= 0
order by 2,1;

select sum(ten) from onek group by two, rollup(four::text) order by 1;

select array_agg(v order by v) from gstest4 group by grouping sets ((id,unsortable_col),(id));

select unhashable_col, unsortable_col,
       grouping(unhashable_col, unsortable_col),
       count(*), sum(v)
  from gstest4 group by grouping sets ((unhashable_col),(unsortable_col))
 order by 3, 5;

select *
  from (values (1),(2)) v(x),
       lateral (select a, b, sum(v.x) from gstest_data(v.x) group by grouping sets (a,b)) s;

select array(select row(v.a,s1.*) from (select two,four, count(*) from onek group by grouping sets(two,four) order by two,four) s1) from (values (1),(2)) v(a);

(select * from gs_hash_1 except select * from gs_group_1)
  union all
(select * from gs_group_1 except select * from gs_hash_1);

select a, b, c
from (values (1, 2, 3), (4, null, 6), (7, 8, 9)) as t (a, b, c)
group by distinct rollup(a, b), rollup(a, c)
order by a, b, c;

-- source: postgres/postgres src/test/regress/sql/expressions.sql, release 15.18 (PostgreSQL Licence)

SELECT date(now())::text = current_date::text;

SELECT now()::timetz::text = current_time::text;

SELECT now()::timetz(4)::text = current_time(4)::text;

SELECT now()::time::text = localtime::text;

SELECT current_timestamp = NOW();

SELECT length(current_timestamp::text) >= length(current_timestamp(0)::text);

SELECT now()::timestamp::text = localtimestamp::text;

SELECT current_catalog = current_database();

select '(0,0)'::point in ('(0,0,0,0)'::box, point(0,0));

select return_int_input(1) in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1);

select return_int_input(1) in (10, 9, 2, 8, 3, 7, 4, 6, 5, null);

select return_int_input(1) in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1, null);

select return_int_input(null::int) in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1);

select return_int_input(null::int) in (10, 9, 2, 8, 3, 7, 4, 6, 5, null);

select return_text_input('a') in ('a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j');

select return_int_input(1) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, 0);

select return_int_input(1) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, 2, null);

select return_int_input(1) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1, null);

select return_int_input(null::int) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1);

select return_int_input(null::int) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, null);

select return_text_input('a') not in ('a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j');

select
  a,
  a in (1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint,8::myint) as not_hashed,
  a in (1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint,8::myint,9::myint) as hashed
from inttest;

select
  a,
  a not in (1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint,8::myint) as not_hashed,
  a not in (1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint,8::myint,9::myint) as hashed
from inttest;

select
  a,
  a not in (null::myint,1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint) as not_hashed,
  a not in (null::myint,1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint,8::myint) as hashed
from inttest;

select
  a,
  a in (1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint,8::myint) as not_hashed,
  a in (1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint,8::myint,9::myint) as hashed,
  a in (0::myint,1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint) as not_hashed_zero,
  a in (0::myint,1::myint,2::myint,3::myint,4::myint,5::myint,6::myint,7::myint,8::myint) as hashed_zero
from inttest;

-- source: postgres/postgres src/test/regress/sql/text.sql, release 15.18 (PostgreSQL Licence)

SELECT text 'this is a text string' = text 'this is a text string' AS true;

SELECT * FROM TEXT_TBL;

select 'four: ' || 2+2;

select concat(1,2,3,'hello',true, false, to_date('20100309','YYYYMMDD'));

select concat_ws(',',10,20,null,30);

select reverse('abcde');

select quote_literal('abc''');

select concat_ws(',', variadic array[1,2,3]);

select concat(variadic '{}'::int[]) = '';

select format('Hello');

select format('Hello %%%%');

select format('Hello %x', 20);

select format('INSERT INTO %I VALUES(%L,%L)', 'mytab', 10, NULL);

select format('INSERT INTO %I VALUES(%L,%L)', NULL, 10, 'Hello');

select format('%1$s %4$s', 1, 2, 3);

select format('%*0$s', 'Hello');

select format('Hello %s %1$s %s', 'World', 'Hello again');

select format('%s, %s', variadic array[1, 2]);

select format('%2$s, %1$s', variadic array['first', 'second']);

select format(string_agg('%s',','), variadic array_agg(i))
from generate_series(1,200) g(i);

select format('>>%10s<<', '');

select format('>>%-10s<<', NULL);

select format('>>%2$*1$L<<', 10, 'Hello');

select format('>>%*s<<', 10, 'Hello');

select format('>>%10L<<', NULL);

-- source: postgres/postgres src/test/regress/sql/int4.sql, release 15.18 (PostgreSQL Licence)

SELECT * FROM INT4_TBL;

SELECT i.* FROM INT4_TBL i WHERE i.f1 <> int4 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 = int4 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 < int4 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 <= int4 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 >= int2 '0';

SELECT i.* FROM INT4_TBL i WHERE (i.f1 % int2 '2') = int2 '1';

SELECT i.f1, i.f1 * int2 '2' AS x FROM INT4_TBL i;

SELECT i.f1, i.f1 * int4 '2' AS x FROM INT4_TBL i;

SELECT i.f1, i.f1 + int2 '2' AS x FROM INT4_TBL i
WHERE f1 < 2147483646;

SELECT i.f1, i.f1 + int4 '2' AS x FROM INT4_TBL i
WHERE f1 < 2147483646;

SELECT i.f1, i.f1 - int2 '2' AS x FROM INT4_TBL i
WHERE f1 > -2147483647;

SELECT i.f1, i.f1 - int4 '2' AS x FROM INT4_TBL i
WHERE f1 > -2147483647;

SELECT -2+3 AS one;

SELECT 2- -1 AS three;

SELECT int2 '2' * int2 '2' = int2 '16' / int2 '4' AS true;

SELECT int2 '2' * int4 '2' = int4 '16' / int2 '4' AS true;

SELECT 2 + 2 / 2 AS three;

SELECT (-1::int4<<31)::text;

SELECT (-2147483648)::int4 * (-1)::int4;

SELECT (-2147483648)::int4 % (-1)::int4;

SELECT (-2147483648)::int4 % (-1)::int2;

SELECT x, x::int4 AS int4_value
FROM (VALUES (-2.5::numeric),
             (-1.5::numeric),
             (-0.5::numeric),
             (0.0::numeric),
             (0.5::numeric),
             (1.5::numeric),
             (2.5::numeric)) t(x);

SELECT gcd((-2147483648)::int4, 0::int4);

SELECT a, b, lcm(a, b), lcm(a, -b), lcm(b, a), lcm(-b, a)
FROM (VALUES (0::int4, 0::int4),
             (0::int4, 42::int4),
             (42::int4, 42::int4),
             (330::int4, 462::int4),
             (-330::int4, 462::int4),
             ((-2147483648)::int4, 0::int4)) AS v(a, b);

-- source: postgres/postgres src/test/regress/sql/numeric.sql, release 15.18 (PostgreSQL Licence)

SELECT t1.id1, t1.id2, t1.result, t2.expected
    FROM num_result t1, num_exp_add t2
    WHERE t1.id1 = t2.id1 AND t1.id2 = t2.id2
    AND t1.result != t2.expected;

SELECT 'inf'::numeric / '0';

WITH v(x) AS
  (VALUES('0'::numeric),('1'),('4.2'),('inf'),('nan'))
SELECT x, sqrt(x)
FROM v;

WITH v(x) AS
  (VALUES('0'::numeric),('1'),('2'),('4.2'),('inf'),('nan'))
SELECT x1, x2,
  power(x1, x2)
FROM v AS v1(x1), v AS v2(x2) WHERE x1 != 0 OR x2 >= 0;

SELECT power('-inf'::numeric, '-2');

SELECT (-2147483648.5)::int4;

SELECT 'Infinity'::float4::numeric;

SELECT a, ceil(a), ceiling(a), floor(a), round(a) FROM ceil_floor_round;

SELECT trunc(9.9e131071, -1000000);

SELECT width_bucket(0.0::numeric, 'Infinity'::numeric, 5, 10);

SELECT to_char(val, 'SG9999999999999999.999999999999999th')   FROM num_data;

SELECT to_char(val, '9.999EEEE')				FROM num_data;

SELECT to_char('100'::numeric, 'f"\ool"999');

SELECT to_number('.-01', 'S99.99');

select 4789999999999999999999999999999999999999999999999999999999999999999999999999999999999999 * 9999999999999999999999999999999999999999999999999999999999999999999999999999999999999999;

select div(12345678901234567890, 123);

select 3.789 ^ 35;

select (-12.34) ^ 0.0;

select exp(0.0);

select * from generate_series(4.0::numeric, -1.5::numeric, -2.2::numeric);

select ln(0.0456789);

select log(-12.34, 56.78);

select scale(0.00);

select min_scale(1.1000);

SELECT variance(a) FROM num_variance;

-- source: postgres/postgres src/test/regress/sql/date.sql, release 15.18 (PostgreSQL Licence)

SELECT f1 FROM DATE_TBL;

SELECT date '1/8/1999';

SELECT date '1999.008';

SELECT date '08-Jan-1999';

SELECT date '1999 Jan 08';

SELECT date '1999 08 Jan';

SELECT date '99-08-01';

SELECT date '01 08 99';

SELECT date '5874897-12-31';

SELECT date 'yesterday' - date 'tomorrow' AS "Two days";

SELECT EXTRACT(CENTURY FROM DATE '0101-12-31 BC');

SELECT EXTRACT(CENTURY FROM DATE '1901-01-01');

SELECT EXTRACT(MILLENNIUM FROM DATE '1000-12-31');

SELECT EXTRACT(DECADE FROM DATE '0009-12-31');

SELECT EXTRACT(MILLISECONDS  FROM DATE '2020-08-11');

SELECT EXTRACT(YEAR          FROM DATE '2020-08-11');

SELECT EXTRACT(ISOYEAR       FROM DATE '2020-08-11 BC');

SELECT EXTRACT(ISODOW        FROM DATE '2020-08-16');

SELECT EXTRACT(JULIAN        FROM DATE '2020-08-11');

SELECT DATE_TRUNC('CENTURY', DATE '0002-02-04');

select 'infinity'::date > 'today'::date as t;

SELECT EXTRACT(MONTH         FROM DATE 'infinity');

SELECT EXTRACT(EPOCH FROM DATE 'infinity');

SELECT EXTRACT(JULIAN     FROM DATE 'infinity');

select make_time(8, 20, 0.0);

-- source: postgres/postgres src/test/regress/sql/timestamp.sql, release 15.18 (PostgreSQL Licence)

SELECT count(*) AS One FROM TIMESTAMP_TBL WHERE d1 = timestamp without time zone 'today';

SELECT count(*) AS One FROM TIMESTAMP_TBL WHERE d1 = timestamp without time zone 'yesterday';

SELECT count(*) AS two FROM TIMESTAMP_TBL WHERE d1 = timestamp(2) without time zone 'now';

SELECT '4714-11-24 00:00:00 BC'::timestamp;

SELECT '294276-12-31 23:59:59'::timestamp;

SELECT d1 FROM TIMESTAMP_TBL
   WHERE d1 < timestamp without time zone '1997-01-02';

SELECT d1 FROM TIMESTAMP_TBL
   WHERE d1 != timestamp without time zone '1997-01-02';

SELECT d1 - timestamp without time zone '1997-01-02' AS diff
   FROM TIMESTAMP_TBL WHERE d1 BETWEEN '1902-01-01' AND '2038-01-01';

SELECT
  str,
  interval,
  date_trunc(str, ts) = date_bin(interval::interval, ts, timestamp '2001-01-01') AS equal
FROM (
  VALUES
  ('week', '7 d'),
  ('day', '1 d'),
  ('hour', '1 h'),
  ('minute', '1 m'),
  ('second', '1 s'),
  ('millisecond', '1 ms'),
  ('microsecond', '1 us')
) intervals (str, interval),
(VALUES (timestamp '2020-02-29 15:44:17.71393')) ts (ts);

SELECT
  str,
  interval,
  date_trunc(str, ts) = date_bin(interval::interval, ts, timestamp '2020-03-02') AS equal
FROM (
  VALUES
  ('week', '7 d'),
  ('day', '1 d'),
  ('hour', '1 h'),
  ('minute', '1 m'),
  ('second', '1 s'),
  ('millisecond', '1 ms'),
  ('microsecond', '1 us')
) intervals (str, interval),
(VALUES (timestamp '2020-02-29 15:44:17.71393')) ts (ts);

SELECT date_bin('5 min'::interval, timestamp '2020-02-01 01:01:01', timestamp '2020-02-01 00:02:30');

SELECT date_bin('5 months'::interval, timestamp '2020-02-01 01:01:01', timestamp '2001-01-01');

SELECT date_bin('-2 days'::interval, timestamp '1970-01-01 01:00:00' , timestamp '1970-01-01 00:00:00');

select date_bin('200000000 days'::interval, '2024-02-01'::timestamp, '2024-01-01'::timestamp);

SELECT d1 as "timestamp",
   date_part( 'year', d1) AS year, date_part( 'month', d1) AS month,
   date_part( 'day', d1) AS day, date_part( 'hour', d1) AS hour,
   date_part( 'minute', d1) AS minute, date_part( 'second', d1) AS second
   FROM TIMESTAMP_TBL;

SELECT d1 as "timestamp",
   date_part( 'isoyear', d1) AS isoyear, date_part( 'week', d1) AS week,
   date_part( 'isodow', d1) AS isodow, date_part( 'dow', d1) AS dow,
   date_part( 'doy', d1) AS doy
   FROM TIMESTAMP_TBL;

SELECT date_part('epoch', '294270-01-01 00:00:00'::timestamp);

SELECT extract(epoch from '5000-01-01 00:00:00'::timestamp);

SELECT to_char(d1, 'FMDAY FMDay FMday FMMONTH FMMonth FMmonth FMRM')
   FROM TIMESTAMP_TBL;

SELECT to_char(d1, 'HH HH12 HH24 MI SS SSSS')
   FROM TIMESTAMP_TBL;

SELECT to_char(d1, 'HH24--text--MI--text--SS')
   FROM TIMESTAMP_TBL;

SELECT to_char(d1, 'IYYY IYY IY I IW IDDD ID')
   FROM TIMESTAMP_TBL;

SELECT to_char(d, 'FF1 FF2 FF3 FF4 FF5 FF6  ff1 ff2 ff3 ff4 ff5 ff6  MS US')
   FROM (VALUES
       ('2018-11-02 12:34:56'::timestamp),
       ('2018-11-02 12:34:56.78'),
       ('2018-11-02 12:34:56.78901'),
       ('2018-11-02 12:34:56.78901234')
   ) d(d);

SELECT make_timestamp(-44, 3, 15, 12, 30, 15);

select * from generate_series('2020-01-01 00:00'::timestamp,
                              '2020-01-02 03:00'::timestamp,
                              '1 hour'::interval);

-- source: postgres/postgres src/test/regress/sql/arrays.sql, release 15.18 (PostgreSQL Licence)

SELECT * FROM arrtest;

SELECT a FROM arrtest WHERE a[2] IS NULL;

SELECT a[:3], b[:2][:2] FROM arrtest_s;

SELECT '{1,null,3}'::int[];

SELECT array_position(ARRAY['sun','mon','tue','wed','thu','fri','sat'], 'sat');

SELECT array_positions('[2:4]={1,2,3}'::int[], 1);

SELECT ARRAY[1.1] || ARRAY[2,3,4];

SELECT * FROM array_op_test WHERE i && '{}' ORDER BY seqno;

SELECT * FROM array_op_test WHERE t && '{AAAAAAAA72908,AAAAAAAAAA646}' ORDER BY seqno;

select 33 = any ('{1,2,3}');

select 33 = any (null::int[]);

select 'foo' like any (array['%a', '%b']);

select '{}}'::text[];

select array[]::int2vector;

select array_fill(7, array[3,3]);

select string_to_array('1|2|3', '|');

select string_to_array('1,2,3,4,,6', ',');

select v, v is null as "is null" from string_to_table('abc', ',') g(v);

select array_to_string(string_to_array('1|2|3', '|'), '|');

select cardinality('{{{1,9},{5,6}},{{2,3},{3,4}}}'::int[]);

select array_agg('{}'::int[]) from generate_series(1,2);

select array_remove(array[1,NULL,NULL,3], NULL);

select array(select array[i,i/2] from generate_series(1,5) i);

select pg_typeof(unnest('11 22 33'::int2vector));

SELECT
    op,
    width_bucket(op, ARRAY[1, 3, 9, 'NaN', 'NaN']::float8[]) AS wb
FROM (VALUES
  (-5.2::float8),
  (4::float8),
  (77::float8),
  ('NaN'::float8)
) v(op);

-- source: postgres/postgres src/test/regress/sql/rowtypes.sql, release 15.18 (PostgreSQL Licence)

select (1.1,2.2)::complex, row((3.3,4.4),(5.5,null))::quad;

select '(Joe,)'::fullname;

select * from quadtable;

select ROW(1,2) < ROW(1,1) as false;

select ROW(1,2,3) < ROW(1,NULL,4) as null;

select ROW('ABC','DEF') ~~ ROW('DEF','ABC') as fail;

select thousand, tenthous, four from tenk1
where (thousand, tenthous, four) > (998, 5000, 3)
order by thousand, tenthous;

select (row(1, 2.0)).f1;

select (r).* from (select row(1, 2.0) as r) ss;

select row(1,1.1) = any (array[ row(7,7.7), row(1,1.1), row(0,0.0) ]);

select row(1, 2)::testtype1 <> row(1, 3)::testtype1;

select row(1, -2)::testtype1 <> row(1, -2)::testtype1;

select row(1, 2)::testtype1 < row(1)::testtype5;

select row(1, 2)::testtype1 *<= row(1, 3)::testtype1;

select row(1, -2)::testtype1 *<= row(1, -3)::testtype1;

select row(1, true)::testtype2 *< row(2, true)::testtype2;

select row(1, 'abc')::testtype3 *> row(1, 'abd')::testtype3;

select row(1, 2)::testtype1 *<> row(1, 'abc')::testtype3;

select q.a, q.b = row(2), q.c = array[row(3)], q.d = row(row(4)) from
    unnest(array[row(1, row(2), array[row(3)], row(row(4))),
                 row(2, row(3), array[row(4)], row(row(5)))])
      as q(a int, b record, c record[], d record);

select cast (fullname as text) from fullname;

select text(row('Jim', 'Beam'));

select longname(f) from fullname f;

select row_to_json(ss) from
  (select q1 as a, q2 as b from int8_tbl offset 0) as ss;

select row_to_json(r) from (select q2,q1 from tt1 offset 0) r;

SELECT d.a FROM (SELECT compositetable AS d FROM compositetable) s;

-- source: postgres/postgres src/test/regress/sql/collate.sql, release 15.18 (PostgreSQL Licence)

SELECT * FROM collate_test1 WHERE b COLLATE "C" >= 'abc';

SELECT * FROM collate_test1 WHERE b COLLATE "C" >= 'abc' COLLATE "C";

SELECT a, b FROM collate_test5 ORDER BY b;

SELECT a, b FROM collate_test1 ORDER BY b COLLATE "C";

SELECT 'bbc' COLLATE "C" > 'Abc' COLLATE "C" AS "true";

SELECT a, lower(x COLLATE "C"), lower(y COLLATE "C") FROM collate_test10;

SELECT table_name, view_definition FROM information_schema.views
  WHERE table_name LIKE 'collview%' ORDER BY 1;

SELECT a, lower(coalesce(x, 'foo')), lower(coalesce(y, 'foo')) FROM collate_test10;

SELECT a, x, y, lower(greatest(x, 'foo')), lower(greatest(y, 'foo')) FROM collate_test10;

SELECT a, lower(nullif(x, 'foo')), lower(nullif(y, 'foo')) FROM collate_test10;

SELECT a, b::testdomain FROM collate_test1 ORDER BY 2;

SELECT a, b::testdomain_p FROM collate_test2 ORDER BY 2;

SELECT min(b), max(b) FROM collate_test2;

SELECT string_agg(x COLLATE "C", y COLLATE "POSIX") FROM collate_test10;

SELECT array_agg(a ORDER BY x||y) FROM collate_test10;

SELECT a, b FROM collate_test2 WHERE a < 4 INTERSECT SELECT a, b FROM collate_test2 WHERE a > 1 ORDER BY 2;

SELECT a, b FROM collate_test1 UNION ALL SELECT a, b FROM collate_test2 ORDER BY 2;

SELECT a, b COLLATE "C" FROM collate_test1 UNION SELECT a, b FROM collate_test2 ORDER BY 2;

select x < y from collate_test10;

WITH RECURSIVE foo(x) AS
   (SELECT x FROM (VALUES('a' COLLATE "C"),('b')) t(x)
   UNION ALL
   SELECT (x || 'c') COLLATE "POSIX" FROM foo WHERE length(x) < 10)
SELECT * FROM foo;

SELECT * FROM collate_test10 WHERE (x COLLATE "POSIX", y COLLATE "C") NOT IN (SELECT y, x FROM collate_test10);

SELECT a, CAST(b AS varchar) FROM collate_test1 ORDER BY 2;

SELECT * FROM unnest((SELECT array_agg(b ORDER BY b) FROM collate_test1)) ORDER BY 1;

SELECT a, dup(b) FROM collate_test2 ORDER BY 2;

SELECT collation for ('foo'::text);

-- source: postgres/postgres src/test/regress/sql/partition_join.sql, release 15.18 (PostgreSQL Licence)

SELECT t1.a, t1.c, t2.b, t2.c FROM prt1 t1, prt2 t2 WHERE t1.a = t2.b AND t1.b = 0 ORDER BY t1.a, t2.b;

SELECT t1.a, t1.c, t2.b, t2.c FROM prt1 t1 RIGHT JOIN prt2 t2 ON t1.a = t2.b WHERE t2.a = 0 ORDER BY t1.a, t2.b;

SELECT t1.a, t1.c, t2.b, t2.c FROM prt1 t1, prt2 t2 WHERE t1.a = t2.b AND t1.a < 450 AND t2.b > 250 AND t1.b = 0 ORDER BY t1.a, t2.b;

SELECT t1.a, t1.c, t2.b, t2.c FROM (SELECT * FROM prt1 WHERE a < 450) t1 FULL JOIN (SELECT * FROM prt2 WHERE b > 250) t2 ON t1.a = t2.b WHERE t1.b = 0 OR t2.a = 0 ORDER BY t1.a, t2.b;

SELECT * FROM prt1 t1 LEFT JOIN LATERAL
			  (SELECT t2.a AS t2a, t3.a AS t3a, least(t1.a,t2.a,t3.b) FROM prt1 t2 JOIN prt2 t3 ON (t2.a = t3.b)) ss
			  ON t1.a = ss.t2a WHERE t1.b = 0 ORDER BY t1.a;

SELECT count(*) FROM prt1 t1 LEFT JOIN LATERAL
			  (SELECT t1.b AS t1b, t2.* FROM prt2 t2) s
			  ON t1.a = s.b WHERE s.t1b = s.a;

SELECT a, b FROM prt1 FULL JOIN prt2 p2(b,a,c) USING(a,b)
  WHERE a BETWEEN 490 AND 510
  GROUP BY 1, 2 ORDER BY 1, 2;

SELECT t1.a, t1.c, t2.b, t2.c, t3.a + t3.b, t3.c FROM (prt1 t1 LEFT JOIN prt2 t2 ON t1.a = t2.b) LEFT JOIN prt1_e t3 ON (t1.a = (t3.a + t3.b)/2) WHERE t1.b = 0 ORDER BY t1.a, t2.b, t3.a + t3.b;

SELECT COUNT(*) FROM prt1 FULL JOIN prt2 p2(b,a,c) USING(a,b) FULL JOIN prt2 p3(b,a,c) USING (a, b)
  WHERE a BETWEEN 490 AND 510;

SELECT t1.a, t1.phv, t2.b, t2.phv, t3.a + t3.b, t3.phv FROM ((SELECT 50 phv, * FROM prt1 WHERE prt1.b = 0) t1 FULL JOIN (SELECT 75 phv, * FROM prt2 WHERE prt2.a = 0) t2 ON (t1.a = t2.b)) FULL JOIN (SELECT 50 phv, * FROM prt1_e WHERE prt1_e.c = 0) t3 ON (t1.a = (t3.a + t3.b)/2) WHERE t1.a = t1.phv OR t2.b = t2.phv OR (t3.a + t3.b)/2 = t3.phv ORDER BY t1.a, t2.b, t3.a + t3.b;

SELECT t1.a, t2.b FROM (SELECT * FROM prt1 WHERE a < 450) t1 LEFT JOIN (SELECT * FROM prt2 WHERE b > 250) t2 ON t1.a = t2.b WHERE t1.b = 0 ORDER BY t1.a, t2.b;

SELECT t1.a, t1.c, t2.b, t2.c FROM (SELECT * FROM prt1_m WHERE prt1_m.c = 0) t1 FULL JOIN (SELECT * FROM prt2_m WHERE prt2_m.c = 0) t2 ON (t1.a = (t2.b + t2.a)/2 AND t2.b = (t1.a + t1.b)/2) ORDER BY t1.a, t2.b;

SELECT avg(t1.a), avg(t2.b), avg(t3.a + t3.b), t1.c, t2.c, t3.c FROM pht1 t1, pht2 t2, pht1_e t3 WHERE t1.b = t2.b AND t1.c = t2.c AND ltrim(t3.c, 'A') = t1.c GROUP BY t1.c, t2.c, t3.c ORDER BY t1.c, t2.c, t3.c;

SELECT t1.a, t1.c, t2.b, t2.c FROM prt1_l t1 RIGHT JOIN prt2_l t2 ON t1.a = t2.b AND t1.c = t2.c WHERE t2.a = 0 ORDER BY t1.a, t2.b;

SELECT * FROM prt1_l t1 LEFT JOIN LATERAL
			  (SELECT t2.a AS t2a, t2.c AS t2c, t2.b AS t2b, t3.b AS t3b, least(t1.a,t2.a,t3.b) FROM prt1_l t2 JOIN prt2_l t3 ON (t2.a = t3.b AND t2.c = t3.c)) ss
			  ON t1.a = ss.t2a AND t1.c = ss.t2c WHERE t1.b = 0 ORDER BY t1.a;

select * from prtx1
where not exists (select 1 from prtx2
                  where prtx2.a=prtx1.a and prtx2.b=prtx1.b and prtx2.c=123)
  and a<20 and c=120;

SELECT t1.* FROM prt1_adv t1 WHERE EXISTS (SELECT 1 FROM prt2_adv t2 WHERE t1.a = t2.b) AND t1.b = 0 ORDER BY t1.a;

SELECT t1.* FROM prt1_adv t1 WHERE NOT EXISTS (SELECT 1 FROM prt2_adv t2 WHERE t1.a = t2.b) AND t1.b = 0 ORDER BY t1.a;

SELECT t1.b, t1.c, t2.a, t2.c, t3.a, t3.c FROM prt2_adv t1 LEFT JOIN prt1_adv t2 ON (t1.b = t2.a) INNER JOIN prt1_adv t3 ON (t1.b = t3.a) WHERE t1.a = 0 ORDER BY t1.b, t2.a, t3.a;

SELECT t1.a, t1.c, t2.b, t2.c FROM prt1_adv t1 INNER JOIN prt2_adv t2 ON (t1.a = t2.b) WHERE t1.a >= 100 AND t1.a < 300 AND t1.b = 0 ORDER BY t1.a, t2.b;

SELECT t1.* FROM plt1_adv t1 WHERE EXISTS (SELECT 1 FROM plt2_adv t2 WHERE t1.a = t2.a AND t1.c = t2.c) AND t1.b < 10 ORDER BY t1.a;

SELECT t1.* FROM plt1_adv t1 WHERE NOT EXISTS (SELECT 1 FROM plt2_adv t2 WHERE t1.a = t2.a AND t1.c = t2.c) AND t1.b < 10 ORDER BY t1.a;

SELECT t1.a, t1.c, t2.a, t2.c, t3.a, t3.c FROM plt1_adv t1 LEFT JOIN plt2_adv t2 ON (t1.a = t2.a AND t1.c = t2.c) LEFT JOIN plt3_adv t3 ON (t1.a = t3.a AND t1.c = t3.c) WHERE t1.b < 10 ORDER BY t1.a;

SELECT t1.a, t1.c, t2.a, t2.c FROM plt1_adv t1 LEFT JOIN plt2_adv t2 ON (t1.a = t2.a AND t1.c = t2.c) WHERE t1.c IS NULL AND t1.b < 10 ORDER BY t1.a;

SELECT t1.*, t2.* FROM alpha t1 INNER JOIN beta t2 ON (t1.a = t2.a AND t1.b = t2.b) WHERE t1.b >= 125 AND t1.b < 225 ORDER BY t1.a, t1.b;

-- source: postgres/postgres src/test/regress/sql/partition_aggregate.sql, release 15.18 (PostgreSQL Licence)

SELECT c, sum(a), avg(b), count(*), min(a), max(b) FROM pagg_tab GROUP BY c HAVING avg(d) < 15 ORDER BY 1, 2, 3;

SELECT a, sum(b), avg(b), count(*), min(a), max(b) FROM pagg_tab GROUP BY a HAVING avg(d) < 15 ORDER BY 1, 2, 3;

SELECT c, sum(a) FROM pagg_tab WHERE 1 = 2 GROUP BY c;

SELECT c, sum(a) FROM pagg_tab WHERE c = 'x' GROUP BY c;

SELECT c, sum(a), avg(b), count(*) FROM pagg_tab GROUP BY 1 HAVING avg(d) < 15 ORDER BY 1, 2, 3;

SELECT a, sum(b), avg(b), count(*) FROM pagg_tab GROUP BY 1 HAVING avg(d) < 15 ORDER BY 1, 2, 3;

SELECT c FROM pagg_tab GROUP BY c ORDER BY 1;

SELECT a FROM pagg_tab WHERE a < 3 GROUP BY a ORDER BY 1;

SELECT t1.x, sum(t1.y), count(*) FROM pagg_tab1 t1, pagg_tab2 t2 WHERE t1.x = t2.y GROUP BY t1.x ORDER BY 1, 2, 3;

SELECT t1.x, sum(t1.y), count(t1) FROM pagg_tab1 t1, pagg_tab2 t2 WHERE t1.x = t2.y GROUP BY t1.x ORDER BY 1, 2, 3;

SELECT t1.y, sum(t1.x), count(*) FROM pagg_tab1 t1, pagg_tab2 t2 WHERE t1.x = t2.y GROUP BY t1.y HAVING avg(t1.x) > 10 ORDER BY 1, 2, 3;

SELECT b.y, sum(a.y) FROM pagg_tab1 a LEFT JOIN pagg_tab2 b ON a.x = b.y GROUP BY b.y ORDER BY 1 NULLS LAST;

SELECT b.y, sum(a.y) FROM pagg_tab1 a RIGHT JOIN pagg_tab2 b ON a.x = b.y GROUP BY b.y ORDER BY 1 NULLS LAST;

SELECT a.x, b.y, count(*) FROM (SELECT * FROM pagg_tab1 WHERE x < 20) a LEFT JOIN (SELECT * FROM pagg_tab2 WHERE y > 10) b ON a.x = b.y WHERE a.x > 5 or b.y < 20  GROUP BY a.x, b.y ORDER BY 1, 2;

SELECT a.x, b.y, count(*) FROM (SELECT * FROM pagg_tab1 WHERE x < 20) a FULL JOIN (SELECT * FROM pagg_tab2 WHERE y > 10) b ON a.x = b.y WHERE a.x > 5 or b.y < 20 GROUP BY a.x, b.y ORDER BY 1, 2;

SELECT a.x, a.y, count(*) FROM (SELECT * FROM pagg_tab1 WHERE x = 1 AND x = 2) a LEFT JOIN pagg_tab2 b ON a.x = b.y GROUP BY a.x, a.y ORDER BY 1, 2;

SELECT a, sum(b), avg(c), count(*) FROM pagg_tab_m GROUP BY a HAVING avg(c) < 22 ORDER BY 1, 2, 3;

SELECT a, sum(b), avg(c), count(*) FROM pagg_tab_m GROUP BY a, (a+b)/2 HAVING sum(b) < 50 ORDER BY 1, 2, 3;

SELECT a, c, sum(b), avg(c), count(*) FROM pagg_tab_m GROUP BY (a+b)/2, 2, 1 HAVING sum(b) = 50 AND avg(c) > 25 ORDER BY 1, 2, 3;

SELECT a, sum(b), array_agg(distinct c), count(*) FROM pagg_tab_ml GROUP BY a HAVING avg(b) < 3 ORDER BY 1, 2, 3;

SELECT a, sum(b), count(*) FROM pagg_tab_ml GROUP BY a HAVING avg(b) < 3 ORDER BY 1, 2, 3;

SELECT b, sum(a), count(*) FROM pagg_tab_ml GROUP BY b HAVING avg(a) < 15 ORDER BY 1, 2, 3;

SELECT a, sum(b), count(*) FROM pagg_tab_ml GROUP BY a, b, c HAVING avg(b) > 7 ORDER BY 1, 2, 3;

SELECT x, sum(y), avg(y), count(*) FROM pagg_tab_para GROUP BY x HAVING avg(y) < 7 ORDER BY 1, 2, 3;

SELECT y, sum(x), avg(x), count(*) FROM pagg_tab_para GROUP BY y HAVING avg(x) < 12 ORDER BY 1, 2, 3;

-- source: postgres/postgres src/test/regress/sql/select_parallel.sql, release 15.18 (PostgreSQL Licence)

select round(avg(aa)), sum(aa) from a_star a1;

select round(avg(aa)), sum(aa) from a_star a2;

select round(avg(aa)), sum(aa) from a_star a3;

select round(avg(aa)), sum(aa) from a_star a4;

select sp_test_func() order by 1;

select length(stringu1) from tenk1 group by length(stringu1);

select count(*) from tenk1 where (two, four) not in
	(select hundred, thousand from tenk2 where thousand > 100);

select count(*) from tenk1
    where tenk1.unique1 = (Select max(tenk2.unique1) from tenk2);

select  count((unique1)) from tenk1 where hundred > 1;

select  count(*) from tenk1 where thousand > 95;

select * from
  (select count(*) from tenk1 where thousand > 99) ss
  right join (values (1),(2),(3)) v(x) on true;

select count(*) from tenk1
  left join (select tenk2.unique1 from tenk2 order by 1 limit 1000) ss
  on tenk1.unique1 < ss.unique1 + 1
  where tenk1.unique1 < 2;

select count(*) from tenk1, tenk2 where tenk1.hundred > 1 and tenk2.thousand=0;

select count(*) from bmscantest where a>1;

select * from explain_parallel_sort_stats();

select count(*) from tenk1 group by twenty;

select count(*), generate_series(1,2) from tenk1 group by twenty;

select * from
  (select string4, count(unique2)
   from tenk1 group by string4 order by string4) ss
  right join (values (1),(2),(3)) v(x) on true;

select avg(unique1::int8) from tenk1;

select fivethous from tenk1 order by fivethous limit 4;

SELECT make_record(x) FROM (SELECT generate_series(1, 5) x) ss ORDER BY x;

select count(*) from tenk1;

select (stringu1 || repeat('abcd', 5000))::int2 from tenk1 where unique1 = 1;

SELECT * FROM information_schema.foreign_data_wrapper_options
ORDER BY 1, 2, 3;

select set_and_report_role();

-- source: postgres/postgres src/test/regress/sql/inherit.sql, release 15.18 (PostgreSQL Licence)

SELECT relname, a.* FROM a, pg_class where a.tableoid = pg_class.oid;

SELECT relname, b.* FROM b, pg_class where b.tableoid = pg_class.oid;

SELECT relname, c.* FROM c, pg_class where c.tableoid = pg_class.oid;

SELECT relname, a.* FROM ONLY a, pg_class where a.tableoid = pg_class.oid;

SELECT relname, b.* FROM ONLY b, pg_class where b.tableoid = pg_class.oid;

SELECT relname, d.* FROM ONLY d, pg_class where d.tableoid = pg_class.oid;

select tableoid::regclass::text as relname, bar.* from bar order by 1,2;

select tableoid::regclass::text as relname, parted_tab.* from parted_tab order by 1,2;

select * from d;

select pc.relname, pgc.conname, pgc.contype, pgc.conislocal, pgc.coninhcount, pgc.connoinherit from pg_class as pc inner join pg_constraint as pgc on (pgc.conrelid = pc.oid) where pc.relname = 'p1' order by 1,2;

select NULL::derived::base;

select p2text(c1.*) from c1;

select pc.relname, pgc.conname, pgc.contype, pgc.conislocal, pgc.coninhcount, pg_get_expr(pgc.conbin, pc.oid) as consrc from pg_class as pc inner join pg_constraint as pgc on (pgc.conrelid = pc.oid) where pc.relname in ('ac', 'bc') order by 1,2;

WITH RECURSIVE r AS (
  SELECT 'inht1'::regclass AS inhrelid
UNION ALL
  SELECT c.inhrelid FROM pg_inherits c, r WHERE r.inhrelid = c.inhparent
)
SELECT a.attrelid::regclass, a.attname, a.attinhcount, e.expected
  FROM (SELECT inhrelid, count(*) AS expected FROM pg_inherits
        WHERE inhparent IN (SELECT inhrelid FROM r) GROUP BY inhrelid) e
  JOIN pg_attribute a ON e.inhrelid = a.attrelid WHERE NOT attislocal
  ORDER BY a.attrelid::regclass::name, a.attnum;

select * from inh_fk_1 order by 1;

select conrelid::regclass::text as relname, conname, conislocal, coninhcount
from pg_constraint where conname like 'inh\_check\_constraint%'
order by 1, 2;

select conrelid::regclass::text as relname, conname,
       convalidated, conislocal, coninhcount, connoinherit
from pg_constraint where conname like 'inh\_check\_constraint%'
order by 1, 2;

select * from patest0 join (select f1 from int4_tbl limit 1) ss on id = f1;

select min(1-id) from matest0;

select 1 - id as c from
(select id from matest3 t1 union all select id * 2 from matest3 t2) ss
order by c;

select * from inhpar;

select * from inhpar order by f1;

select * from cnullparent;

select tableoid::regclass, a1 from inh_perm_parent;

select tableoid::regclass, a1 from inh_temp_parent;
