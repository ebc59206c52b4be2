SELECT DISTINCT a FROM t WHERE b = 'q"b\s	é
2nd'
