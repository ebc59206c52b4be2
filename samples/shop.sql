-- A shop's best customers of the year: four tables, two kinds of join, conditions, groups, sorting.
SELECT c.name, c.city, SUM(i.qty * i.price) AS revenue, COUNT(o.id) AS orders
FROM customers c
  INNER JOIN orders o ON o.customer_id = c.id
  INNER JOIN order_items i ON i.order_id = o.id
  LEFT OUTER JOIN employees e ON o.employee_id = e.id
WHERE o.order_date >= '2026-01-01' AND (c.country = 'NO' OR c.vip = 1)
GROUP BY c.name, c.city
HAVING SUM(i.qty * i.price) > 1000
ORDER BY c.name
