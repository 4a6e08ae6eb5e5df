#!/usr/bin/env python3
"""The road a user takes through Pukana, in a real X server, by real mouse clicks.

Starts Xvfb and the built program, turns the keyboard on, types かんじ with the on-screen
keys, converts it to 漢字 through the candidate list, types more, saves as .rtf and .txt,
exits, starts again, reopens the files from the recent-files list and checks what was saved.
Also takes the screenshots of the keyboard in two modes.

usage: road_test.py BUILD_DIR OUTPUT_DIR
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

TWIPS = 15
BUILD = os.path.abspath(sys.argv[1])
OUT = os.path.abspath(sys.argv[2])


def px(twips):
    # Same rounding as the program: half away from zero.
    v = twips / TWIPS
    return int(v + 0.5) if v >= 0 else -int(-v + 0.5)


def fail(message):
    print("FAIL:", message)
    sys.exit(1)


class Display:
    def __init__(self):
        r, w = os.pipe()
        self.proc = subprocess.Popen(
            ["Xvfb", "-displayfd", str(w), "-screen", "0", "1280x900x24", "-nolisten", "tcp"],
            pass_fds=(w,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(w)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(r, 16)
            if not chunk:
                fail("Xvfb did not start")
            number += chunk
        os.close(r)
        self.name = ":" + number.decode().strip()

    def stop(self):
        self.proc.terminate()
        self.proc.wait(10)


class Editor:
    def __init__(self, display, appdir, home, script):
        self.env = dict(os.environ, DISPLAY=display.name, HOME=home,
                        PUKANA_FILE_DIALOG_SCRIPT=script, XDG_CONFIG_HOME=home + "/.config",
                        XDG_DATA_HOME=home + "/.local/share", LANG="C.UTF-8")
        self.env.pop("QT_QPA_PLATFORM", None)
        self.proc = subprocess.Popen([appdir + "/pukana"], env=self.env,
                                     stdout=subprocess.DEVNULL, stderr=subprocess.PIPE)
        self.window = self.xdo("search", "--sync", "--onlyvisible", "--name", "PUKANA|rtf|txt")
        self.window = self.window.split()[0]
        time.sleep(1.0)

    def xdo(self, *args):
        done = subprocess.run(["xdotool", *args], env=self.env, capture_output=True, text=True,
                              timeout=60)
        return done.stdout.strip()

    def geometry(self):
        values = {}
        for line in self.xdo("getwindowgeometry", "--shell", self.window).splitlines():
            k, _, v = line.partition("=")
            values[k] = int(v) if v.lstrip("-").isdigit() else v
        return values["X"], values["Y"], values["WIDTH"], values["HEIGHT"]

    def click_at(self, x, y):
        self.xdo("mousemove", "--sync", str(x), str(y))
        self.xdo("click", "1")
        time.sleep(0.25)

    def keys(self, *names):
        self.xdo("windowfocus", "--sync", self.window)
        for n in names:
            self.xdo("key", n)
            time.sleep(0.3)

    def frame_origin(self):
        """Screen position of the key frame's top-left corner."""
        x, y, w, h = self.geometry()
        panel_top = y + h - px(3480)
        frame_left = x + px((w * TWIPS - 10395) / 2)
        return frame_left, panel_top + px(-60)

    def click_key(self, left, top, width, height):
        fx, fy = self.frame_origin()
        self.click_at(fx + px(left) + px(width) // 2, fy + px(top) + px(height) // 2)

    def title(self):
        return self.xdo("getwindowname", self.window)

    def wait_end(self):
        try:
            return self.proc.wait(30)
        except subprocess.TimeoutExpired:
            self.proc.kill()
            fail("the editor did not end")


def hiragana_layout(appdir):
    lines = open(appdir + "/btn.dat", "rb").read().decode("cp932").split("\r\n")
    for i, line in enumerate(lines):
        if "ひらがな" in line:
            return "".join(lines[i + 1:i + 8])
    fail("no ひらがな block in btn.dat")


def key_rect(index):
    """Twips rectangle of character key `index` (1-based) in the key frame."""
    c = (index - 1) % 15
    r = (index - 1) // 15
    return 1560 + c * 450 + 30 * (c // 5), 240 + r * 450, 450, 450


def type_kana(editor, layout, text):
    for ch in text:
        editor.click_key(*key_rect(layout.index(ch) + 1))


def screenshot(editor, path):
    subprocess.run(["import", "-window", editor.window, path], env=editor.env, check=True,
                   timeout=60)


def region_pixels(path, x, y, w, h):
    raw = subprocess.run(["convert", path, "-crop", f"{w}x{h}+{x}+{y}", "+repage", "-depth", "8",
                          "rgb:-"], capture_output=True, check=True).stdout
    return raw


def wait_until(condition, seconds=10):
    end = time.time() + seconds
    while time.time() < end and not condition():
        time.sleep(0.2)


def wait_for(path, seconds=15):
    end = time.time() + seconds
    while time.time() < end:
        if os.path.exists(path) and os.path.getsize(path) > 0:
            time.sleep(0.3)
            return
        time.sleep(0.2)
    fail(f"{path} was not written")


def main():
    os.makedirs(OUT, exist_ok=True)
    work = tempfile.mkdtemp(prefix="pukana-road-")
    appdir = os.path.join(work, "app")
    home = os.path.join(work, "home")
    desktop = os.path.join(home, "Desktop")
    os.makedirs(appdir)
    os.makedirs(desktop)
    for name in ("pukana", "btn.dat", "pukana.dic", "PUKANA.txt"):
        shutil.copy2(os.path.join(BUILD, name), appdir)
    script = os.path.join(work, "dialog.txt")
    open(script, "w").close()
    rtf = os.path.join(desktop, "みち.rtf")
    txt = os.path.join(desktop, "みち.txt")
    layout = hiragana_layout(appdir)

    display = Display()
    try:
        editor = Editor(display, appdir, home, script)
        if not editor.title().endswith("新規.rtf"):
            fail(f"the new document is not named 新規.rtf: {editor.title()!r}")
        editor.keys("alt+v", "k")  # ひょうじ → キーボード
        time.sleep(0.5)

        # Screenshots of the keyboard in two modes: the captions must be drawn, and differ.
        editor.click_key(180, 360, 1155, 495)  # ひらがな
        screenshot(editor, os.path.join(OUT, "keyboard-hiragana.png"))
        editor.click_key(180, 900, 1155, 495)  # カタカナ
        screenshot(editor, os.path.join(OUT, "keyboard-katakana.png"))
        x, y, w, h = editor.geometry()
        fx, fy = editor.frame_origin()
        kx, ky = fx - x + px(1560), fy - y + px(240)
        area = (kx, ky, px(5 * 450), px(450))  # the first five keys: あいうえお / アイウエオ
        hira = region_pixels(os.path.join(OUT, "keyboard-hiragana.png"), *area)
        kata = region_pixels(os.path.join(OUT, "keyboard-katakana.png"), *area)
        if len(set(hira[i:i + 3] for i in range(0, len(hira), 3))) < 3:
            fail("the key captions were not drawn")
        dark = sum(1 for i in range(0, len(hira), 3) if sum(hira[i:i + 3]) < 200)
        if dark < 50:
            fail("the key captions have almost no ink")
        if hira == kata:
            fail("ひらがな and カタカナ captions look the same")

        # かんじ → 漢字 through the candidate list.
        editor.click_key(180, 360, 1155, 495)  # ひらがな
        type_kana(editor, layout, "かんじ")
        for _ in range(3):
            editor.click_key(9420, 2520, 375, 375)  # <S
        editor.click_key(8580, 2040, 1635, 375)  # へんかん
        time.sleep(0.5)
        # The list opens at the BS key's place: the second row holds 漢字.
        x, y, w, h = editor.geometry()
        list_left = x + px((w * TWIPS - 10395) / 2 + 8580)
        list_top = y + h - px(3480 + 75 - 780)  # document height + 780
        screenshot(editor, os.path.join(OUT, "candidates.png"))
        editor.click_at(list_left + 30, list_top + 2 + 28)
        type_kana(editor, layout, "をかく")

        # Save as rich text, then as plain text.
        open(script, "w", encoding="utf-8").write(rtf + "\n")
        editor.keys("alt+f", "a")
        wait_for(rtf)
        open(script, "w", encoding="utf-8").write(txt + "\n")
        editor.keys("alt+f", "a")
        wait_for(txt)
        wait_until(lambda: editor.title() == txt)
        if editor.title() != txt:
            fail(f"caption after saving is {editor.title()!r}")
        editor.keys("alt+f", "x")
        if editor.wait_end() != 0:
            fail("the editor did not end cleanly")

        text = open(txt, "rb").read()
        if text != "漢字をかく".encode("cp932"):
            fail(f"plain text saved as {text!r}")
        out = os.path.join(work, "fromrtf.txt")
        subprocess.run([os.path.join(BUILD, "tools", "pukana-rtf"), "totext", rtf, out], check=True)
        if open(out, "rb").read() != "漢字をかく".encode("cp932"):
            fail("the RTF file does not hold the text")
        head = open(rtf, "rb").read(200)
        if not head.startswith(b"{\\rtf1") or b"\\fcharset128" not in open(rtf, "rb").read():
            fail("the RTF file lacks its header or Japanese font table")
        ini = open(os.path.join(appdir, "pukana.INI"), "rb").read().decode("cp932")
        if "[KB]on" not in ini:
            fail("the settings do not remember the keyboard")
        if ini.find(txt) < 0 or ini.find(rtf) < 0 or ini.find(txt) > ini.find(rtf):
            fail(f"recent files not in order: {ini!r}")

        # Start again: the keyboard is still shown and the recent files reopen.
        editor = Editor(display, appdir, home, script)
        screenshot(editor, os.path.join(OUT, "restart.png"))
        x, y, w, h = editor.geometry()
        panel = region_pixels(os.path.join(OUT, "restart.png"), 2, h - 10, 4, 4)
        if panel[:3] != bytes([0xC0, 0xC0, 0xC0]):
            fail(f"the keyboard panel is not shown after a restart ({panel[:3].hex()})")
        editor.keys("alt+f", "Up", "Return")  # the last (oldest) recent entry: みち.rtf
        wait_until(lambda: editor.title() == rtf)
        if editor.title() != rtf:
            fail(f"the recent .rtf entry opened {editor.title()!r}")
        again = os.path.join(desktop, "もういちど.rtf")
        open(script, "w", encoding="utf-8").write(again + "\n")
        editor.keys("alt+f", "a")
        wait_for(again)
        dump = subprocess.run([os.path.join(BUILD, "tools", "pukana-rtf"), "dump", again],
                              capture_output=True, check=True).stdout
        first = subprocess.run([os.path.join(BUILD, "tools", "pukana-rtf"), "dump", rtf],
                               capture_output=True, check=True).stdout
        if dump != first:
            fail("the reopened document differs from what was saved")
        editor.keys("alt+f", "x")
        editor.wait_end()
    finally:
        display.stop()
        shutil.rmtree(work, ignore_errors=True)
    print("road: 1 passed, 0 failed")


if __name__ == "__main__":
    main()
