"""The window as a screen reader meets it: the AT-SPI tree of the running fuelcalc.

Run by check-accessibility.sh on a private display and accessibility bus. Walks the tree as a
flat review does (depth first, in the order the toolkit gives), fills the end time and presses
"计算" through AT-SPI as a listener's tools would, and checks names, roles, descriptions and the
order in which the five results are heard.
"""

import sys
import time

import pyatspi

failures = []


def check(condition, what):
    if not condition:
        failures.append(what)


def application():
    for _ in range(100):
        for app in pyatspi.Registry.getDesktop(0):
            if app is not None and app.name == "fuelcalc" and app.childCount > 0:
                return app
        time.sleep(0.1)
    sys.exit("FAIL: fuelcalc never appeared on the accessibility bus")


def flat(node):
    yield node
    for child in node:
        yield from flat(child)


def by_name(nodes, role, name):
    found = [n for n in nodes if n.getRoleName() == role and n.name == name]
    check(len(found) == 1, f"one {role} named {name!r}, found {len(found)}")
    return found[0] if found else None


windows = list(application())
check([w.getRoleName() for w in windows] == ["frame"], f"the window is one frame: {windows}")
window = windows[0]
check(window.name == "Oradel - Lirra工作专版", f"window name {window.name!r}")

nodes = list(flat(window))
groups = [n.name for n in nodes if n.getRoleName() == "panel"]
check(groups == ["设置", "当前耗油状态"], f"group names {groups}")

fields = {
    "开始日期": "yyyy-mm-dd",
    "开始时间": "hh:mm:ss",
    "结束日期": "yyyy-mm-dd",
    "结束时间": "hh:mm:ss",
    "主机耗油量": "每小时公斤数，整数",
    "副机耗油量": "每小时公斤数，整数",
}
texts = [n for n in nodes if n.getRoleName() == "text"]
check([t.name for t in texts] == list(fields), f"fields in reading order {[t.name for t in texts]}")
for text in texts:
    check(text.description == fields.get(text.name), f"{text.name} described {text.description!r}")

settings = by_name(nodes, "panel", "设置")
read = [n.name for n in flat(settings)][1:] if settings else []
check(read == ["开始时间：", "开始日期", "开始时间", "计算", "结束时间：", "结束日期", "结束时间",
               "主机耗油： 公斤 副机： 公斤 (每时)", "主机耗油量", "副机耗油量",
               "保留三位小数并四舍五入", "实时计算油量"], f"settings read row by row: {read}")

# One and a half hours at 65 and 15 kg an hour, typed and pressed as a listener would.
end_time = by_name(nodes, "text", "结束时间")
start_time = by_name(nodes, "text", "开始时间")
for field, value in ((start_time, "00:00:00"), (end_time, "01:30:00")):
    if field is not None:
        field.queryEditableText().setTextContents(value)
button = by_name(nodes, "push button", "计算")
if button is not None:
    actions = button.queryAction()
    press = [i for i in range(actions.nActions) if actions.getName(i) in ("Press", "press")]
    check(press, "计算 can be pressed")
    if press:
        actions.doAction(press[0])

status = by_name(nodes, "panel", "当前耗油状态")
expected = ["主机用油量：97.500 公斤", "副机用油量：22.5 公斤", "日差：0天", "总共用油量：120 公斤",
            "时差：01时30分"]
heard = []
for _ in range(50):
    heard = [n.name for n in flat(status) if n.getRoleName() == "label"] if status else []
    if heard == expected:
        break
    time.sleep(0.1)
check(heard == expected, f"results heard as {heard}")

for failure in failures:
    print("FAIL:", failure)
if not failures:
    print("frame, groups, fields and results read as designed:", heard)
sys.exit(1 if failures else 0)
