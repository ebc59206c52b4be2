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
   ORDER BY string4 using <, unique1 using >;

SELECT onek.unique1, onek.string4 FROM onek
   WHERE onek.unique1 > 980
   ORDER BY string4 using >, unique1 using <;

SELECT onek.unique1, onek.string4 FROM onek
   WHERE onek.unique1 < 20
   ORDER BY unique1 using >, string4 using <;

SELECT onek.unique1, onek.string4 FROM onek
   WHERE onek.unique1 < 20
   ORDER BY unique1 using <, string4 using >;

SELECT onek2.* FROM onek2 WHERE onek2.unique1 < 10;

SELECT onek2.unique1, onek2.stringu1 FROM onek2
    WHERE onek2.unique1 < 20
    ORDER BY unique1 using >;

SELECT onek2.unique1, onek2.stringu1 FROM onek2
   WHERE onek2.unique1 > 980;

SELECT p.name, p.age FROM person* p;

SELECT p.name, p.age FROM person* p ORDER BY age using >, name;

select foo from (select 1 offset 0) as foo;

select foo from (select null offset 0) as foo;

select foo from (select 'xyzzy',1,null offset 0) as foo;

select * from onek, (values(147, 'RFAAAA'), (931, 'VJAAAA')) as v (i, j)
    WHERE onek.unique1 = v.i and onek.stringu1 = v.j;

select * from onek,
  (values ((select i from
    (values(10000), (2), (389), (1000), (2000), ((select 10029))) as foo(i)
    order by i asc limit 1))) bar (i)
  where onek.unique1 = bar.i;

select * from onek
    where (unique1,ten) in (values (1,1), (20,0), (99,9), (17,99))
    order by unique1;

SELECT * FROM nocols n, LATERAL (VALUES(n.*)) v;

SELECT * FROM foo ORDER BY f1;

SELECT * FROM foo ORDER BY f1 ASC;

SELECT * FROM foo ORDER BY f1 NULLS FIRST;

SELECT * FROM foo ORDER BY f1 DESC;

SELECT * FROM foo ORDER BY f1 DESC NULLS LAST;

select * from onek2 where unique2 = 11 and stringu1 = 'ATAAAA';

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

SELECT c, count(*) FROM test_missing_target GROUP BY 3;

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

SELECT count(c) FROM test_missing_target
GROUP BY lower(test_missing_target.c)
ORDER BY lower(test_missing_target.c);

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

SELECT *
  FROM J1_TBL tx;

SELECT *
  FROM J1_TBL AS t1 (a, b, c);

SELECT *
  FROM J1_TBL t1 (a, b, c);

SELECT *
  FROM J1_TBL t1 (a, b, c), J2_TBL t2 (d, e);

SELECT t1.a, t2.e
  FROM J1_TBL t1 (a, b, c), J2_TBL t2 (d, e)
  WHERE t1.a = t2.d;

SELECT *
  FROM J1_TBL CROSS JOIN J2_TBL;

SELECT i, k, t
  FROM J1_TBL CROSS JOIN J2_TBL;

SELECT t1.i, k, t
  FROM J1_TBL t1 CROSS JOIN J2_TBL t2;

SELECT ii, tt, kk
  FROM (J1_TBL CROSS JOIN J2_TBL)
    AS tx (ii, jj, tt, ii2, kk);

SELECT tx.ii, tx.jj, tx.kk
  FROM (J1_TBL t1 (a, b, c) CROSS JOIN J2_TBL t2 (d, e))
    AS tx (ii, jj, tt, ii2, kk);

SELECT *
  FROM J1_TBL CROSS JOIN J2_TBL a CROSS JOIN J2_TBL b;

SELECT *
  FROM J1_TBL INNER JOIN J2_TBL USING (i);

SELECT *
  FROM J1_TBL JOIN J2_TBL USING (i);

SELECT *
  FROM J1_TBL t1 (a, b, c) JOIN J2_TBL t2 (a, d) USING (a)
  ORDER BY a, d;

SELECT *
  FROM J1_TBL t1 (a, b, c) JOIN J2_TBL t2 (a, b) USING (b)
  ORDER BY b, t1.a;

SELECT * FROM J1_TBL JOIN J2_TBL USING (i) WHERE J1_TBL.t = 'one';

SELECT * FROM J1_TBL JOIN J2_TBL USING (i) AS x WHERE J1_TBL.t = 'one';

SELECT * FROM (J1_TBL JOIN J2_TBL USING (i)) AS x WHERE J1_TBL.t = 'one';

SELECT * FROM J1_TBL JOIN J2_TBL USING (i) AS x WHERE x.i = 1;

SELECT * FROM J1_TBL JOIN J2_TBL USING (i) AS x WHERE x.t = 'one';

SELECT * FROM (J1_TBL JOIN J2_TBL USING (i) AS x) AS xx WHERE x.i = 1;

SELECT * FROM J1_TBL a1 JOIN J2_TBL a2 USING (i) AS a1;

SELECT x.* FROM J1_TBL JOIN J2_TBL USING (i) AS x WHERE J1_TBL.t = 'one';

SELECT ROW(x.*) FROM J1_TBL JOIN J2_TBL USING (i) AS x WHERE J1_TBL.t = 'one';

-- source: postgres/postgres src/test/regress/sql/aggregates.sql, release 15.18 (PostgreSQL Licence)

SELECT avg(four) AS avg_1 FROM onek;

SELECT avg(a) AS avg_32 FROM aggtest WHERE a < 100;

SELECT avg(b)::numeric(10,3) AS avg_107_943 FROM aggtest;

SELECT avg(gpa) AS avg_3_4 FROM ONLY student;

SELECT sum(four) AS sum_1500 FROM onek;

SELECT sum(a) AS sum_198 FROM aggtest;

SELECT sum(b) AS avg_431_773 FROM aggtest;

SELECT sum(gpa) AS avg_6_8 FROM ONLY student;

SELECT max(four) AS max_3 FROM onek;

SELECT max(a) AS max_100 FROM aggtest;

SELECT max(aggtest.b) AS max_324_78 FROM aggtest;

SELECT max(student.gpa) AS max_3_7 FROM student;

SELECT stddev_pop(b) FROM aggtest;

SELECT stddev_samp(b) FROM aggtest;

SELECT var_pop(b) FROM aggtest;

SELECT var_samp(b) FROM aggtest;

SELECT stddev_pop(b::numeric) FROM aggtest;

SELECT stddev_samp(b::numeric) FROM aggtest;

SELECT var_pop(b::numeric) FROM aggtest;

SELECT var_samp(b::numeric) FROM aggtest;

SELECT var_pop(1.0::float8), var_samp(2.0::float8);

SELECT stddev_pop(3.0::float8), stddev_samp(4.0::float8);

SELECT var_pop('inf'::float8), var_samp('inf'::float8);

SELECT stddev_pop('inf'::float8), stddev_samp('inf'::float8);

SELECT var_pop('nan'::float8), var_samp('nan'::float8);

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

SELECT 1 AS zero WHERE 1 NOT IN (SELECT 1);

SELECT 1 AS zero WHERE 1 IN (SELECT 2);

SELECT * FROM (SELECT 1 AS x) ss;

SELECT * FROM ((SELECT 1 AS x)) ss;

(SELECT 2) UNION SELECT 2;

SELECT ((SELECT 2) UNION SELECT 2);

SELECT (((SELECT 2)) UNION SELECT 2);

SELECT (SELECT ARRAY[1,2,3])[1];

SELECT ((SELECT ARRAY[1,2,3]))[2];

SELECT (((SELECT ARRAY[1,2,3])))[3];

SELECT * FROM SUBSELECT_TBL;

SELECT f1 AS "Constant Select" FROM SUBSELECT_TBL
  WHERE f1 IN (SELECT 1);

SELECT f1 AS "Uncorrelated Field" FROM SUBSELECT_TBL
  WHERE f1 IN (SELECT f2 FROM SUBSELECT_TBL);

SELECT f1 AS "Uncorrelated Field" FROM SUBSELECT_TBL
  WHERE f1 IN (SELECT f2 FROM SUBSELECT_TBL WHERE
    f2 IN (SELECT f1 FROM SUBSELECT_TBL));

SELECT f1, f2
  FROM SUBSELECT_TBL
  WHERE (f1, f2) NOT IN (SELECT f2, CAST(f3 AS int4) FROM SUBSELECT_TBL
                         WHERE f3 IS NOT NULL);

SELECT f1 AS "Correlated Field", f2 AS "Second Field"
  FROM SUBSELECT_TBL upper
  WHERE f1 IN (SELECT f2 FROM SUBSELECT_TBL WHERE f1 = upper.f1);

SELECT f1 AS "Correlated Field", f3 AS "Second Field"
  FROM SUBSELECT_TBL upper
  WHERE f1 IN
    (SELECT f2 FROM SUBSELECT_TBL WHERE CAST(upper.f2 AS float) = f3);

SELECT f1 AS "Correlated Field", f3 AS "Second Field"
  FROM SUBSELECT_TBL upper
  WHERE f3 IN (SELECT upper.f1 + f2 FROM SUBSELECT_TBL
               WHERE f2 = CAST(f3 AS integer));

SELECT f1 AS "Correlated Field"
  FROM SUBSELECT_TBL
  WHERE (f1, f2) IN (SELECT f2, CAST(f3 AS int4) FROM SUBSELECT_TBL
                     WHERE f3 IS NOT NULL);

SELECT ss.f1 AS "Correlated Field", ss.f3 AS "Second Field"
  FROM SUBSELECT_TBL ss
  WHERE f1 NOT IN (SELECT f1+1 FROM INT4_TBL
                   WHERE f1 != ss.f1 AND f1 < 2147483647);

select q1, float8(count(*)) / (select count(*) from int8_tbl)
from int8_tbl group by q1 order by q1;

SELECT *, pg_typeof(f1) FROM
  (SELECT 'foo' AS f1 FROM generate_series(1,3)) ss ORDER BY 1;

select 1 = all (select (select 1));

select count(*) from
  (select 1 from tenk1 a
   where unique1 IN (select hundred from tenk1 b)) ss;

-- source: postgres/postgres src/test/regress/sql/union.sql, release 15.18 (PostgreSQL Licence)

SELECT 1 AS two UNION SELECT 2 ORDER BY 1;

SELECT 1 AS one UNION SELECT 1 ORDER BY 1;

SELECT 1 AS two UNION ALL SELECT 2;

SELECT 1 AS two UNION ALL SELECT 1;

SELECT 1 AS three UNION SELECT 2 UNION SELECT 3 ORDER BY 1;

SELECT 1 AS two UNION SELECT 2 UNION SELECT 2 ORDER BY 1;

SELECT 1 AS three UNION SELECT 2 UNION ALL SELECT 2 ORDER BY 1;

SELECT 1.1 AS two UNION SELECT 2.2 ORDER BY 1;

SELECT 1.1 AS two UNION SELECT 2 ORDER BY 1;

SELECT 1 AS two UNION SELECT 2.2 ORDER BY 1;

SELECT 1 AS one UNION SELECT 1.0::float8 ORDER BY 1;

SELECT 1.1 AS two UNION ALL SELECT 2 ORDER BY 1;

SELECT 1.0::float8 AS two UNION ALL SELECT 1 ORDER BY 1;

SELECT 1.1 AS three UNION SELECT 2 UNION SELECT 3 ORDER BY 1;

SELECT 1.1::float8 AS two UNION SELECT 2 UNION SELECT 2.0::float8 ORDER BY 1;

SELECT 1.1 AS three UNION SELECT 2 UNION ALL SELECT 2 ORDER BY 1;

SELECT 1.1 AS two UNION (SELECT 2 UNION ALL SELECT 2) ORDER BY 1;

SELECT f1 AS five FROM FLOAT8_TBL
UNION
SELECT f1 FROM FLOAT8_TBL
ORDER BY 1;

SELECT f1 AS ten FROM FLOAT8_TBL
UNION ALL
SELECT f1 FROM FLOAT8_TBL;

SELECT f1 AS nine FROM FLOAT8_TBL
UNION
SELECT f1 FROM INT4_TBL
ORDER BY 1;

SELECT f1 AS ten FROM FLOAT8_TBL
UNION ALL
SELECT f1 FROM INT4_TBL;

SELECT f1 AS five FROM FLOAT8_TBL
  WHERE f1 BETWEEN -1e6 AND 1e6
UNION
SELECT f1 FROM INT4_TBL
  WHERE f1 BETWEEN 0 AND 1000000
ORDER BY 1;

SELECT CAST(f1 AS char(4)) AS three FROM VARCHAR_TBL
UNION
SELECT f1 FROM CHAR_TBL
ORDER BY 1;

SELECT f1 AS three FROM VARCHAR_TBL
UNION
SELECT CAST(f1 AS varchar) FROM CHAR_TBL
ORDER BY 1;

SELECT f1 AS eight FROM VARCHAR_TBL
UNION ALL
SELECT f1 FROM CHAR_TBL;

-- source: postgres/postgres src/test/regress/sql/with.sql, release 15.18 (PostgreSQL Licence)

WITH q1(x,y) AS (SELECT 1,2)
SELECT * FROM q1, q1 AS q2;

SELECT count(*) FROM (
  WITH q1(x) AS (SELECT random() FROM generate_series(1, 5))
    SELECT * FROM q1
  UNION
    SELECT * FROM q1
) ss;

WITH RECURSIVE t(n) AS (
    VALUES (1)
UNION ALL
    SELECT n+1 FROM t WHERE n < 100
)
SELECT sum(n) FROM t;

WITH RECURSIVE t(n) AS (
    SELECT (VALUES(1))
UNION ALL
    SELECT n+1 FROM t WHERE n < 5
)
SELECT * FROM t;

WITH RECURSIVE t(n) AS (
    VALUES (1::money)
UNION
    SELECT n+1::money FROM t WHERE n < 100::money
)
SELECT sum(n) FROM t;

SELECT * FROM nums;

WITH RECURSIVE t(n) AS (
    SELECT 1
UNION
    SELECT 10-n FROM t)
SELECT * FROM t;

WITH RECURSIVE t(n) AS (
    VALUES (1)
UNION ALL
    SELECT n+1 FROM t)
SELECT * FROM t LIMIT 10;

WITH RECURSIVE t(n) AS (
    SELECT 1
UNION
    SELECT n+1 FROM t)
SELECT * FROM t LIMIT 10;

WITH q AS (SELECT 'foo' AS x)
SELECT x, pg_typeof(x) FROM q;

WITH RECURSIVE t(n) AS (
    SELECT 'foo'
UNION ALL
    SELECT n || ' bar' FROM t WHERE length(n) < 20
)
SELECT n, pg_typeof(n) FROM t;

WITH RECURSIVE t(n) AS (
    SELECT '7'
UNION ALL
    SELECT n+1 FROM t WHERE n < 10
)
SELECT n, pg_typeof(n) FROM t;

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

WITH RECURSIVE outermost(x) AS (
 SELECT 1
 UNION (WITH innermost1 AS (
  SELECT 2
  UNION (WITH innermost2 AS (
   SELECT 3
   UNION (WITH innermost3 AS (
    SELECT 4
    UNION (WITH innermost4 AS (
     SELECT 5
     UNION (WITH innermost5 AS (
      SELECT 6
      UNION (WITH innermost6 AS
       (SELECT 7)
       SELECT * FROM innermost6))
      SELECT * FROM innermost5))
     SELECT * FROM innermost4))
    SELECT * FROM innermost3))
   SELECT * FROM innermost2))
  SELECT * FROM outermost
  UNION SELECT * FROM innermost1)
 )
 SELECT * FROM outermost ORDER BY 1;

WITH RECURSIVE subdepartment AS
(
	-- non recursive term
	SELECT name as root_name, * FROM department WHERE name = 'A'

	UNION ALL

	-- recursive term
	SELECT sd.root_name, d.* FROM department AS d, subdepartment AS sd
		WHERE d.parent_department = sd.id
)
SELECT * FROM subdepartment ORDER BY name;

WITH RECURSIVE subdepartment(level, id, parent_department, name) AS
(
	-- non recursive term
	SELECT 1, * FROM department WHERE name = 'A'

	UNION ALL

	-- recursive term
	SELECT sd.level + 1, d.* FROM department AS d, subdepartment AS sd
		WHERE d.parent_department = sd.id
)
SELECT * FROM subdepartment ORDER BY name;

WITH RECURSIVE subdepartment(level, id, parent_department, name) AS
(
	-- non recursive term
	SELECT 1, * FROM department WHERE name = 'A'

	UNION ALL

	-- recursive term
	SELECT sd.level + 1, d.* FROM department AS d, subdepartment AS sd
		WHERE d.parent_department = sd.id
)
SELECT * FROM subdepartment WHERE level >= 2 ORDER BY name;

WITH RECURSIVE subdepartment AS
(
	-- note lack of recursive UNION structure
	SELECT * FROM department WHERE name = 'A'
)
SELECT * FROM subdepartment ORDER BY name;

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

WITH q1(x,y) AS (
    SELECT hundred, sum(ten) FROM tenk1 GROUP BY hundred
  )
SELECT count(*) FROM q1 WHERE y > (SELECT sum(y)/100 FROM q1 qsub);

SELECT * FROM vsubdepartment ORDER BY name;

SELECT pg_get_viewdef('vsubdepartment'::regclass);

SELECT pg_get_viewdef('vsubdepartment'::regclass, true);

with recursive q as (
      select * from department
    union all
      (with x as (select * from q)
       select * from x)
    )
select * from q limit 24;

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

-- source: postgres/postgres src/test/regress/sql/window.sql, release 15.18 (PostgreSQL Licence)

SELECT depname, empno, salary, sum(salary) OVER (PARTITION BY depname) FROM empsalary ORDER BY depname, salary;

SELECT depname, empno, salary, rank() OVER (PARTITION BY depname ORDER BY salary) FROM empsalary;

SELECT four, ten, SUM(SUM(four)) OVER (PARTITION BY four), AVG(ten) FROM tenk1
GROUP BY four, ten ORDER BY four, ten;

SELECT depname, empno, salary, sum(salary) OVER w FROM empsalary WINDOW w AS (PARTITION BY depname);

SELECT depname, empno, salary, rank() OVER w FROM empsalary WINDOW w AS (PARTITION BY depname ORDER BY salary) ORDER BY rank() OVER w;

SELECT COUNT(*) OVER () FROM tenk1 WHERE unique2 < 10;

SELECT COUNT(*) OVER w FROM tenk1 WHERE unique2 < 10 WINDOW w AS ();

SELECT four FROM tenk1 WHERE FALSE WINDOW w AS (PARTITION BY ten);

SELECT sum(four) OVER (PARTITION BY ten ORDER BY unique2) AS sum_1, ten, four FROM tenk1 WHERE unique2 < 10;

SELECT row_number() OVER (ORDER BY unique2) FROM tenk1 WHERE unique2 < 10;

SELECT rank() OVER (PARTITION BY four ORDER BY ten) AS rank_1, ten, four FROM tenk1 WHERE unique2 < 10;

SELECT dense_rank() OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT percent_rank() OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT cume_dist() OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT ntile(3) OVER (ORDER BY ten, four), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT ntile(NULL) OVER (ORDER BY ten, four), ten, four FROM tenk1 LIMIT 2;

SELECT lag(ten) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT lag(ten, four) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT lag(ten, four, 0) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT lag(ten, four, 0.7) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10 ORDER BY four, ten;

SELECT lead(ten) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT lead(ten * 2, 1) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT lead(ten * 2, 1, -1) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

SELECT lead(ten * 2, 1, -1.4) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10 ORDER BY four, ten;

SELECT first_value(ten) OVER (PARTITION BY four ORDER BY ten), ten, four FROM tenk1 WHERE unique2 < 10;

-- source: postgres/postgres src/test/regress/sql/strings.sql, release 15.18 (PostgreSQL Licence)

SELECT 'first line'
' - next line'
	' - third line'
	AS "Three lines to one";

SELECT U&'d\0061t\+000061' AS U&"d\0061t\+000061";

SELECT U&'d!0061t\+000061' UESCAPE '!' AS U&"d*0061t\+000061" UESCAPE '*';

SELECT U&'a\\b' AS "a\b";

SELECT U&' \' UESCAPE '!' AS "tricky";

SELECT 'tricky' AS U&"\" UESCAPE '!';

SELECT E'd\u0061t\U00000061' AS "data";

SELECT E'a\\b' AS "a\b";

SELECT E'\\xDeAdBeEf'::bytea;

SELECT E'\\x De Ad Be Ef '::bytea;

SELECT E'\\xDeAdBeE'::bytea;

SELECT E'\\xDeAdBeEx'::bytea;

SELECT E'\\xDe00BeEf'::bytea;

SELECT E'DeAdBeEf'::bytea;

SELECT E'De\\000dBeEf'::bytea;

SELECT E'De\123dBeEf'::bytea;

SELECT E'De\\123dBeEf'::bytea;

SELECT E'De\\678dBeEf'::bytea;

SELECT CAST(f1 AS text) AS "text(char)" FROM CHAR_TBL;

SELECT CAST(f1 AS text) AS "text(varchar)" FROM VARCHAR_TBL;

SELECT CAST(name 'namefield' AS text) AS "text(name)";

SELECT CAST(f1 AS char(10)) AS "char(text)" FROM TEXT_TBL;

SELECT CAST(f1 AS char(20)) AS "char(text)" FROM TEXT_TBL;

SELECT CAST(f1 AS char(10)) AS "char(varchar)" FROM VARCHAR_TBL;

SELECT CAST(name 'namefield' AS char(10)) AS "char(name)";

-- source: postgres/postgres src/test/regress/sql/boolean.sql, release 15.18 (PostgreSQL Licence)

SELECT 1 AS one;

SELECT true AS true;

SELECT false AS false;

SELECT bool 't' AS true;

SELECT bool '   f           ' AS false;

SELECT bool 'true' AS true;

SELECT bool 'test' AS error;

SELECT bool 'false' AS false;

SELECT bool 'foo' AS error;

SELECT bool 'y' AS true;

SELECT bool 'yes' AS true;

SELECT bool 'yeah' AS error;

SELECT bool 'n' AS false;

SELECT bool 'no' AS false;

SELECT bool 'nay' AS error;

SELECT bool 'on' AS true;

SELECT bool 'off' AS false;

SELECT bool 'of' AS false;

SELECT bool 'o' AS error;

SELECT bool 'on_' AS error;

SELECT bool 'off_' AS error;

SELECT bool '1' AS true;

SELECT bool '11' AS error;

SELECT bool '0' AS false;

SELECT bool '000' AS error;

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
  from gstest1 group by rollup (a,b) order by a,b;

select a, b, grouping(a,b), sum(v), count(*), max(v)
  from gstest1 group by rollup (a,b) order by b desc, a;

select a, b, grouping(a,b), sum(v), count(*), max(v)
  from gstest1 group by rollup (a,b) order by coalesce(a,0)+coalesce(b,0);

select a, b, grouping(a,b),
       array_agg(v order by v),
       string_agg(v::text, ':' order by v desc),
       percentile_disc(0.5) within group (order by v),
       rank(1,2,12) within group (order by a,b,v)
  from gstest1 group by rollup (a,b) order by a,b;

select grouping(a), a, array_agg(b),
       rank(a) within group (order by b nulls first),
       rank(a) within group (order by b nulls last)
  from (values (1,1),(1,4),(1,5),(3,1),(3,2)) v(a,b)
 group by rollup (a) order by a;

select a, b, sum(c), sum(sum(c)) over (order by a,b) as rsum
  from gstest2 group by rollup (a,b) order by rsum, a, b;

select sum(c) from gstest2
  group by grouping sets((), grouping sets((), grouping sets(())))
  order by 1 desc;

select sum(c) from gstest2
  group by grouping sets((), grouping sets((), grouping sets(((a, b)))))
  order by 1 desc;

select sum(c) from gstest2
  group by grouping sets(grouping sets(rollup(c), grouping sets(cube(c))))
  order by 1 desc;

select sum(c) from gstest2
  group by grouping sets(a, grouping sets(a, cube(b)))
  order by 1 desc;

select sum(c) from gstest2
  group by grouping sets(grouping sets((a, (b))))
  order by 1 desc;

select sum(c) from gstest2
  group by grouping sets(grouping sets((a, b)))
  order by 1 desc;

select sum(c) from gstest2
  group by grouping sets(grouping sets(a, grouping sets(a), a))
  order by 1 desc;

select sum(c) from gstest2
  group by grouping sets(grouping sets(a, grouping sets(a, grouping sets(a), ((a)), a, grouping sets(a), (a)), a))
  order by 1 desc;

select sum(c) from gstest2
  group by grouping sets((a,(a,b)), grouping sets((a,(a,b)),a))
  order by 1 desc;

select a, b, sum(v), count(*) from gstest_empty group by grouping sets ((a,b),a);

select a, b, sum(v), count(*) from gstest_empty group by grouping sets ((a,b),());

select a, b, sum(v), count(*) from gstest_empty group by grouping sets ((a,b),(),(),());

select sum(v), count(*) from gstest_empty group by grouping sets ((),(),());

select t1.a, t2.b, sum(t1.v), count(*) from gstest_empty t1, gstest_empty t2
 group by grouping sets ((t1.a,t2.b),());

select t1.a, t2.b, grouping(t1.a, t2.b), sum(t1.v), max(t2.a)
  from gstest1 t1, gstest2 t2
 group by grouping sets ((t1.a, t2.b), ());

select t1.a, t2.b, grouping(t1.a, t2.b), sum(t1.v), max(t2.a)
  from gstest1 t1 join gstest2 t2 on (t1.a=t2.a)
 group by grouping sets ((t1.a, t2.b), ());

select a, b, grouping(a, b), sum(t1.v), max(t2.c)
  from gstest1 t1 join gstest2 t2 using (a,b)
 group by grouping sets ((a, b), ());

select a, d, grouping(a,b,c)
  from gstest3
 group by grouping sets ((a,b), (a,c));

-- source: postgres/postgres src/test/regress/sql/expressions.sql, release 15.18 (PostgreSQL Licence)

SELECT date(now())::text = current_date::text;

SELECT now()::timetz::text = current_time::text;

SELECT now()::timetz(4)::text = current_time(4)::text;

SELECT now()::time::text = localtime::text;

SELECT now()::time(3)::text = localtime(3)::text;

SELECT current_timestamp = NOW();

SELECT length(current_timestamp::text) >= length(current_timestamp(0)::text);

SELECT now()::timestamp::text = localtimestamp::text;

SELECT current_catalog = current_database();

SELECT current_schema;

select '(0,0)'::point in ('(0,0,0,0)'::box, point(0,0));

select return_int_input(1) in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1);

select return_int_input(1) in (10, 9, 2, 8, 3, 7, 4, 6, 5, null);

select return_int_input(1) in (null, null, null, null, null, null, null, null, null, null, null);

select return_int_input(1) in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1, null);

select return_int_input(null::int) in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1);

select return_int_input(null::int) in (10, 9, 2, 8, 3, 7, 4, 6, 5, null);

select return_text_input('a') in ('a', 'b', 'c', 'd', 'e', 'f', 'g', 'h', 'i', 'j');

select return_int_input(1) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1);

select return_int_input(1) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, 0);

select return_int_input(1) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, 2, null);

select return_int_input(1) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1, null);

select return_int_input(1) not in (null, null, null, null, null, null, null, null, null, null, null);

select return_int_input(null::int) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, 1);

select return_int_input(null::int) not in (10, 9, 2, 8, 3, 7, 4, 6, 5, null);

-- source: postgres/postgres src/test/regress/sql/text.sql, release 15.18 (PostgreSQL Licence)

SELECT text 'this is a text string' = text 'this is a text string' AS true;

SELECT text 'this is a text string' = text 'this is a text strin' AS false;

SELECT * FROM TEXT_TBL;

select length(42);

select 'four: '::text || 2+2;

select 'four: ' || 2+2;

select 3 || 4.0;

/*
 * various string functions
 */
select concat('one');

select concat(1,2,3,'hello',true, false, to_date('20100309','YYYYMMDD'));

select concat_ws('#','one');

select concat_ws('#',1,2,3,'hello',true, false, to_date('20100309','YYYYMMDD'));

select concat_ws(',',10,20,null,30);

select concat_ws('',10,20,null,30);

select concat_ws(NULL,10,20,null,30) is null;

select reverse('abcde');

select i, left('ahoj', i), right('ahoj', i) from generate_series(-5, 5) t(i) order by i;

select quote_literal('');

select quote_literal('abc''');

select quote_literal(e'\\');

select concat(variadic array[1,2,3]);

select concat_ws(',', variadic array[1,2,3]);

select concat_ws(',', variadic NULL::int[]);

select concat(variadic NULL::int[]) is NULL;

select concat(variadic '{}'::int[]) = '';

select concat_ws(',', variadic 10);

-- source: postgres/postgres src/test/regress/sql/int4.sql, release 15.18 (PostgreSQL Licence)

SELECT * FROM INT4_TBL;

SELECT i.* FROM INT4_TBL i WHERE i.f1 <> int2 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 <> int4 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 = int2 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 = int4 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 < int2 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 < int4 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 <= int2 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 <= int4 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 > int2 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 > int4 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 >= int2 '0';

SELECT i.* FROM INT4_TBL i WHERE i.f1 >= int4 '0';

SELECT i.* FROM INT4_TBL i WHERE (i.f1 % int2 '2') = int2 '1';

SELECT i.* FROM INT4_TBL i WHERE (i.f1 % int4 '2') = int2 '0';

SELECT i.f1, i.f1 * int2 '2' AS x FROM INT4_TBL i;

SELECT i.f1, i.f1 * int2 '2' AS x FROM INT4_TBL i
WHERE abs(f1) < 1073741824;

SELECT i.f1, i.f1 * int4 '2' AS x FROM INT4_TBL i;

SELECT i.f1, i.f1 * int4 '2' AS x FROM INT4_TBL i
WHERE abs(f1) < 1073741824;

SELECT i.f1, i.f1 + int2 '2' AS x FROM INT4_TBL i;

SELECT i.f1, i.f1 + int2 '2' AS x FROM INT4_TBL i
WHERE f1 < 2147483646;

SELECT i.f1, i.f1 + int4 '2' AS x FROM INT4_TBL i;

SELECT i.f1, i.f1 + int4 '2' AS x FROM INT4_TBL i
WHERE f1 < 2147483646;

SELECT i.f1, i.f1 - int2 '2' AS x FROM INT4_TBL i;

SELECT i.f1, i.f1 - int2 '2' AS x FROM INT4_TBL i
WHERE f1 > -2147483647;

-- source: postgres/postgres src/test/regress/sql/numeric.sql, release 15.18 (PostgreSQL Licence)

SELECT t1.id1, t1.id2, t1.result, t2.expected
    FROM num_result t1, num_exp_add t2
    WHERE t1.id1 = t2.id1 AND t1.id2 = t2.id2
    AND t1.result != t2.expected;

SELECT t1.id1, t1.id2, t1.result, round(t2.expected, 10) as expected
    FROM num_result t1, num_exp_add t2
    WHERE t1.id1 = t2.id1 AND t1.id2 = t2.id2
    AND t1.result != round(t2.expected, 10);

SELECT t1.id1, t1.id2, t1.result, t2.expected
    FROM num_result t1, num_exp_sub t2
    WHERE t1.id1 = t2.id1 AND t1.id2 = t2.id2
    AND t1.result != t2.expected;

SELECT t1.id1, t1.id2, t1.result, round(t2.expected, 40)
    FROM num_result t1, num_exp_sub t2
    WHERE t1.id1 = t2.id1 AND t1.id2 = t2.id2
    AND t1.result != round(t2.expected, 40);

SELECT t1.id1, t1.id2, t1.result, t2.expected
    FROM num_result t1, num_exp_mul t2
    WHERE t1.id1 = t2.id1 AND t1.id2 = t2.id2
    AND t1.result != t2.expected;

SELECT t1.id1, t1.id2, t1.result, round(t2.expected, 30) as expected
    FROM num_result t1, num_exp_mul t2
    WHERE t1.id1 = t2.id1 AND t1.id2 = t2.id2
    AND t1.result != round(t2.expected, 30);

SELECT t1.id1, t1.id2, t1.result, t2.expected
    FROM num_result t1, num_exp_div t2
    WHERE t1.id1 = t2.id1 AND t1.id2 = t2.id2
    AND t1.result != t2.expected;

SELECT t1.id1, t1.id2, t1.result, round(t2.expected, 80) as expected
    FROM num_result t1, num_exp_div t2
    WHERE t1.id1 = t2.id1 AND t1.id2 = t2.id2
    AND t1.result != round(t2.expected, 80);

SELECT t1.id1, t1.result, t2.expected
    FROM num_result t1, num_exp_sqrt t2
    WHERE t1.id1 = t2.id
    AND t1.result != t2.expected;

SELECT t1.id1, t1.result, t2.expected
    FROM num_result t1, num_exp_ln t2
    WHERE t1.id1 = t2.id
    AND t1.result != t2.expected;

SELECT t1.id1, t1.result, t2.expected
    FROM num_result t1, num_exp_log10 t2
    WHERE t1.id1 = t2.id
    AND t1.result != t2.expected;

SELECT t1.id1, t1.result, t2.expected
    FROM num_result t1, num_exp_power_10_ln t2
    WHERE t1.id1 = t2.id
    AND t1.result != t2.expected;

WITH v(x) AS
  (VALUES('0'::numeric),('1'),('-1'),('4.2'),('inf'),('-inf'),('nan'))
SELECT x1, x2,
  x1 + x2 AS sum,
  x1 - x2 AS diff,
  x1 * x2 AS prod
FROM v AS v1(x1), v AS v2(x2);

WITH v(x) AS
  (VALUES('0'::numeric),('1'),('-1'),('4.2'),('inf'),('-inf'),('nan'))
SELECT x1, x2,
  x1 / x2 AS quot,
  x1 % x2 AS mod,
  div(x1, x2) AS div
FROM v AS v1(x1), v AS v2(x2) WHERE x2 != 0;

SELECT 'inf'::numeric / '0';

SELECT '-inf'::numeric / '0';

SELECT 'nan'::numeric / '0';

SELECT '0'::numeric / '0';

SELECT 'inf'::numeric % '0';

SELECT '-inf'::numeric % '0';

SELECT 'nan'::numeric % '0';

SELECT '0'::numeric % '0';

SELECT div('inf'::numeric, '0');

SELECT div('-inf'::numeric, '0');

SELECT div('nan'::numeric, '0');

-- source: postgres/postgres src/test/regress/sql/date.sql, release 15.18 (PostgreSQL Licence)

SELECT f1 FROM DATE_TBL;

SELECT f1 FROM DATE_TBL WHERE f1 < '2000-01-01';

SELECT f1 FROM DATE_TBL
  WHERE f1 BETWEEN '2000-01-01' AND '2001-01-01';

SELECT date 'January 8, 1999';

SELECT date '1999-01-08';

SELECT date '1999-01-18';

SELECT date '1/8/1999';

SELECT date '1/18/1999';

SELECT date '18/1/1999';

SELECT date '01/02/03';

SELECT date '19990108';

SELECT date '990108';

SELECT date '1999.008';

SELECT date 'J2451187';

SELECT date 'January 8, 99 BC';

SELECT date '99-Jan-08';

SELECT date '1999-Jan-08';

SELECT date '08-Jan-99';

SELECT date '08-Jan-1999';

SELECT date 'Jan-08-99';

SELECT date 'Jan-08-1999';

SELECT date '99-08-Jan';

SELECT date '1999-08-Jan';

SELECT date '99 Jan 08';

SELECT date '1999 Jan 08';

-- source: postgres/postgres src/test/regress/sql/timestamp.sql, release 15.18 (PostgreSQL Licence)

SELECT count(*) AS One FROM TIMESTAMP_TBL WHERE d1 = timestamp without time zone 'today';

SELECT count(*) AS Three FROM TIMESTAMP_TBL WHERE d1 = timestamp without time zone 'tomorrow';

SELECT count(*) AS One FROM TIMESTAMP_TBL WHERE d1 = timestamp without time zone 'yesterday';

SELECT pg_sleep(0.1);

SELECT count(*) AS two FROM TIMESTAMP_TBL WHERE d1 = timestamp(2) without time zone 'now';

SELECT count(d1) AS three, count(DISTINCT d1) AS two FROM TIMESTAMP_TBL;

SELECT d1 FROM TIMESTAMP_TBL;

SELECT '4714-11-24 00:00:00 BC'::timestamp;

SELECT '4714-11-23 23:59:59 BC'::timestamp;

SELECT '294276-12-31 23:59:59'::timestamp;

SELECT '294277-01-01 00:00:00'::timestamp;

SELECT d1 FROM TIMESTAMP_TBL
   WHERE d1 > timestamp without time zone '1997-01-02';

SELECT d1 FROM TIMESTAMP_TBL
   WHERE d1 < timestamp without time zone '1997-01-02';

SELECT d1 FROM TIMESTAMP_TBL
   WHERE d1 = timestamp without time zone '1997-01-02';

SELECT d1 FROM TIMESTAMP_TBL
   WHERE d1 != timestamp without time zone '1997-01-02';

SELECT d1 FROM TIMESTAMP_TBL
   WHERE d1 <= timestamp without time zone '1997-01-02';

SELECT d1 FROM TIMESTAMP_TBL
   WHERE d1 >= timestamp without time zone '1997-01-02';

SELECT d1 - timestamp without time zone '1997-01-02' AS diff
   FROM TIMESTAMP_TBL WHERE d1 BETWEEN '1902-01-01' AND '2038-01-01';

SELECT date_trunc( 'week', timestamp '2004-02-29 15:44:17.71393' ) AS week_trunc;

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
  date_trunc(str, ts) = date_bin(interval::interval, ts, timestamp '2000-01-01 BC') AS equal
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
(VALUES (timestamp '0055-6-10 15:44:17.71393 BC')) ts (ts);

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

SELECT
  str,
  interval,
  date_trunc(str, ts) = date_bin(interval::interval, ts, timestamp '0055-06-17 BC') AS equal
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
(VALUES (timestamp '0055-6-10 15:44:17.71393 BC')) ts (ts);

SELECT
  interval,
  ts,
  origin,
  date_bin(interval::interval, ts, origin)
FROM (
  VALUES
  ('15 days'),
  ('2 hours'),
  ('1 hour 30 minutes'),
  ('15 minutes'),
  ('10 seconds'),
  ('100 milliseconds'),
  ('250 microseconds')
) intervals (interval),
(VALUES (timestamp '2020-02-11 15:44:17.71393')) ts (ts),
(VALUES (timestamp '2001-01-01')) origin (origin);

SELECT date_bin('5 min'::interval, timestamp '2020-02-01 01:01:01', timestamp '2020-02-01 00:02:30');

-- source: postgres/postgres src/test/regress/sql/arrays.sql, release 15.18 (PostgreSQL Licence)

SELECT * FROM arrtest;

SELECT arrtest.a[1],
          arrtest.b[1][1][1],
          arrtest.c[1],
          arrtest.d[1][1],
          arrtest.e[0]
   FROM arrtest;

SELECT a[1], b[1][1][1], c[1], d[1][1], e[0]
   FROM arrtest;

SELECT a[1:3],
          b[1:1][1:2][1:2],
          c[1:2],
          d[1:1][1:2]
   FROM arrtest;

SELECT array_ndims(a) AS a,array_ndims(b) AS b,array_ndims(c) AS c
   FROM arrtest;

SELECT array_dims(a) AS a,array_dims(b) AS b,array_dims(c) AS c
   FROM arrtest;

SELECT *
   FROM arrtest
   WHERE a[1] < 5 and
         c = '{"foobar"}'::_name;

SELECT a,b,c FROM arrtest;

SELECT a[1:3],
          b[1:1][1:2][1:2],
          c[1:2],
          d[1:1][2:2]
   FROM arrtest;

SELECT b[1:1][2][2],
       d[1:1][2]
   FROM arrtest;

SELECT a FROM arrtest;

SELECT a FROM arrtest WHERE a[2] IS NULL;

select '{{1,2,3},{4,5,6},{7,8,9}}'::int[];

select ('{{1,2,3},{4,5,6},{7,8,9}}'::int[])[1:2][2];

select '[0:2][0:2]={{1,2,3},{4,5,6},{7,8,9}}'::int[];

select ('[0:2][0:2]={{1,2,3},{4,5,6},{7,8,9}}'::int[])[1:2][2];

SELECT ('{}'::int[])[1][2][3][4][5][6][7];

SELECT ('{{{1},{2},{3}},{{4},{5},{6}}}'::int[])[1][NULL][1];

SELECT ('{{{1},{2},{3}},{{4},{5},{6}}}'::int[])[1][NULL:1][1];

SELECT ('{{{1},{2},{3}},{{4},{5},{6}}}'::int[])[1][1:NULL][1];

SELECT (now())[1];

SELECT * FROM arrtest_s;

SELECT a[:3], b[:2][:2] FROM arrtest_s;

SELECT a[2:], b[2:][2:] FROM arrtest_s;

SELECT a[:], b[:] FROM arrtest_s;

-- source: postgres/postgres src/test/regress/sql/rowtypes.sql, release 15.18 (PostgreSQL Licence)

select (1.1,2.2)::complex, row((3.3,4.4),(5.5,null))::quad;

select row('Joe', 'Blow')::fullname, '(Joe,Blow)'::fullname;

select '(Joe,von Blow)'::fullname, '(Joe,d''Blow)'::fullname;

select '(Joe,"von""Blow")'::fullname, E'(Joe,d\\\\Blow)'::fullname;

select '(Joe,"Blow,Jr")'::fullname;

select '(Joe,)'::fullname;

select '(Joe)'::fullname;

select '(Joe,,)'::fullname;

select '[]'::fullname;

select ' (Joe,Blow)  '::fullname;

select '(Joe,Blow) /'::fullname;

select * from quadtable;

select f1, q.c1 from quadtable;

select f1, (q).c1, (qq.q).c1.i from quadtable qq;

select * from people;

select (fn).first, substr((fn).last, 1, 20), length((fn).last) from people;

select ROW(1,2) < ROW(1,3) as true;

select ROW(1,2) < ROW(1,1) as false;

select ROW(1,2) < ROW(1,NULL) as null;

select ROW(1,2,3) < ROW(1,3,NULL) as true;

select ROW(11,'ABC') < ROW(11,'DEF') as true;

select ROW(11,'ABC') > ROW(11,'DEF') as false;

select ROW(12,'ABC') > ROW(11,'DEF') as true;

select ROW(1,2,3) < ROW(1,NULL,4) as null;

select ROW(1,2,3) = ROW(1,NULL,4) as false;

-- source: postgres/postgres src/test/regress/sql/collate.sql, release 15.18 (PostgreSQL Licence)

SELECT * FROM collate_test1 WHERE b COLLATE "C" >= 'abc';

SELECT * FROM collate_test1 WHERE b >= 'abc' COLLATE "C";

SELECT * FROM collate_test1 WHERE b COLLATE "C" >= 'abc' COLLATE "C";

SELECT * FROM collate_test1 WHERE b COLLATE "C" >= 'bbc' COLLATE "POSIX";

SELECT a, b FROM collate_test4 ORDER BY b;

SELECT a, b FROM collate_test5 ORDER BY b;

SELECT a, b FROM collate_test1 ORDER BY b;

SELECT a, b FROM collate_test2 ORDER BY b;

SELECT a, b FROM collate_test1 ORDER BY b COLLATE "C";

SELECT * FROM collate_test1 ORDER BY b;

SELECT * FROM collate_test2 ORDER BY b;

SELECT 'bbc' COLLATE "C" > 'Abc' COLLATE "C" AS "true";

SELECT 'bbc' COLLATE "POSIX" < 'Abc' COLLATE "POSIX" AS "false";

SELECT a, lower(x), lower(y), upper(x), upper(y), initcap(x), initcap(y) FROM collate_test10;

SELECT a, lower(x COLLATE "C"), lower(y COLLATE "C") FROM collate_test10;

SELECT a, x, y FROM collate_test10 ORDER BY lower(y), a;

SELECT table_name, view_definition FROM information_schema.views
  WHERE table_name LIKE 'collview%' ORDER BY 1;

SELECT a, coalesce(b, 'foo') FROM collate_test1 ORDER BY 2;

SELECT a, coalesce(b, 'foo') FROM collate_test2 ORDER BY 2;

SELECT a, lower(coalesce(x, 'foo')), lower(coalesce(y, 'foo')) FROM collate_test10;

SELECT a, b, greatest(b, 'CCC') FROM collate_test1 ORDER BY 3;

SELECT a, b, greatest(b, 'CCC') FROM collate_test2 ORDER BY 3;

SELECT a, x, y, lower(greatest(x, 'foo')), lower(greatest(y, 'foo')) FROM collate_test10;

SELECT a, nullif(b, 'abc') FROM collate_test1 ORDER BY 2;

SELECT a, nullif(b, 'abc') FROM collate_test2 ORDER BY 2;
