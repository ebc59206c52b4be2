select c.name, sum(o.total) as revenue
from customers c
  left outer join orders o on c.id = o.customer_id
where o.status = 'shipped' and (o.total > 100 or c.vip = 1)
group by c.name
having sum(o.total) > 1000
order by c.name desc
