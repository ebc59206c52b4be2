SELECT c.name, o.total
FROM customers c
  LEFT OUTER JOIN orders o ON c.id = o.customer_id
WHERE (o.total > 100 OR o.total < 10) AND c.name LIKE 'A%'
ORDER BY o.total DESC
