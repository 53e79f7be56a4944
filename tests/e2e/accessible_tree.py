#!/usr/bin/python3
"""Reads the running calculator's accessible tree the way a screen reader
does (AT-SPI through pyatspi) and checks what a blind user would hear."""
import subprocess
import sys
import time

import pyatspi
from gi.repository import GLib

CAPTIONS = {
    "Sol Konnektör / Left Connector",
    "Sağ Konnektör/Right Connector",
    "Kablo Çapı/Cable Diameter",
    "Boy/Length (1-100m)",
    "Fiyat İndirim Oranı / Predefined Discount (%)",
    "Sipariş Kodu - Açıklaması ve Fiyat / Order Code - Description and Final Discounted Price",
}
ORDER_LINE = "Sipariş Kodu - Açıklaması ve Fiyat / Order Code - Description and Final Discounted Price"
failures = []


def check(ok, what):
    print(("ok   " if ok else "FAIL ") + what)
    if not ok:
        failures.append(what)


def walk(node):
    yield node
    for i in range(node.childCount):
        child = node.getChildAtIndex(i)
        if child is not None:
            yield from walk(child)


def find_frame(pid):
    for _ in range(200):
        desktop = pyatspi.Registry.getDesktop(0)
        for app in desktop:
            if app is not None and app.get_process_id() == pid:
                for window in app:
                    if window is not None and window.name.startswith("Lumor - VORN"):
                        return window
        time.sleep(0.1)
    return None


def text_of(node):
    text = node.queryText()
    return text.getText(0, text.characterCount)


def visible_images(frame):
    return {n.name for n in walk(frame)
            if n.getRole() == pyatspi.ROLE_IMAGE and n.getState().contains(pyatspi.STATE_SHOWING)}


def main(program):
    proc = subprocess.Popen([program])
    try:
        frame = find_frame(proc.pid)
        check(frame is not None, "the main window is in the accessible tree")
        if frame is None:
            return 1
        check(frame.getRole() == pyatspi.ROLE_FRAME, f"the main window is a {frame.getRoleName()}")
        nodes = list(walk(frame))

        combos = [n for n in nodes if n.getRole() == pyatspi.ROLE_COMBO_BOX]
        texts = [n for n in nodes if n.getRole() == pyatspi.ROLE_TEXT]
        check(len(combos) == 3, f"three combo boxes ({len(combos)})")
        for node in combos + texts:
            check(node.name in CAPTIONS, f"{node.getRoleName()} named by its caption: {node.name!r}")
        check({n.name for n in combos + texts} == CAPTIONS, "every caption names a box")

        shown = visible_images(frame)
        check(len(shown) >= 2, f"the photo row shows named pictures: {sorted(shown)}")
        check("SC konnektör, mavi gövde / SC connector, blue housing" in shown,
              "the SC photo says so")
        check(any("simplex cable" in name for name in shown), "the simplex cable photo says so")

        buttons = [n for n in nodes if n.getRole() == pyatspi.ROLE_PUSH_BUTTON
                   and n.name.startswith("Katalog")]
        check(len(buttons) == 1, "the catalogue icon is a button")
        if buttons:
            action = buttons[0].queryAction()
            names = [action.getName(i).lower() for i in range(action.nActions)]
            check("press" in names, f"the catalogue icon offers a press action: {names}")

        line_box = next(n for n in texts if n.name == ORDER_LINE)
        before = text_of(line_box)
        check(before.startswith("C-S-SM-SC-10-"), f"the order line reads {before[:30]!r}")

        # Pick the next left connector by keyboard, as a screen-reader user does.
        left = next(n for n in combos if n.name.startswith("Sol"))
        announced = []

        def heard(event):
            if event.source is not None and event.source.name == ORDER_LINE:
                announced.append(str(event.any_data))

        pyatspi.Registry.registerEventListener(heard, "object:text-changed:insert")
        left.queryComponent().grabFocus()
        time.sleep(0.3)
        subprocess.run(["xdotool", "key", "--delay", "100", "Down"], check=True)
        after = before
        context = GLib.MainContext.default()
        deadline = time.monotonic() + 10
        while time.monotonic() < deadline and (after == before or not announced):
            while context.iteration(False):
                pass
            after = text_of(line_box)
            time.sleep(0.05)
        pyatspi.Registry.deregisterEventListener(heard, "object:text-changed:insert")
        check(bool(announced) and announced[-1] == after,
              f"the new line is announced without moving focus: {[a[:30] for a in announced]}")
        check(after.startswith("C-S-SM-SA-10-"), f"after Down the order line reads {after[:30]!r}")
        shown = visible_images(frame)
        check(any(name.endswith("SC-APC connector, green housing") for name in shown),
              f"the left photo follows the pick: {sorted(shown)}")
    finally:
        proc.terminate()
        try:
            proc.wait(10)
        except subprocess.TimeoutExpired:
            proc.kill()
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main(sys.argv[1]))
