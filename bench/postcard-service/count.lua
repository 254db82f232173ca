-- Sorts every answer: the reply (status 200, the relay first), a refusal
-- (4xx with a page starting with "<"), or anything else.
answered, refused, wrong = 0, 0, 0
local threads = {}

function setup(thread)
  table.insert(threads, thread)
end

function response(status, headers, body)
  if status == 200 and body:sub(1, 15) == "mail.home.arpa^" then
    answered = answered + 1
  elseif status >= 400 and status < 500 and body:sub(1, 1) == "<" then
    refused = refused + 1
  else
    wrong = wrong + 1
  end
end

function done(summary, latency, requests)
  local a, r, w = 0, 0, 0
  for _, thread in ipairs(threads) do
    a = a + thread:get("answered")
    r = r + thread:get("refused")
    w = w + thread:get("wrong")
  end
  io.write(string.format("answered %d refused %d wrong %d\n", a, r, w))
end
