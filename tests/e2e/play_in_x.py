#!/usr/bin/env python3
"""Plays one game on a real X server, as a player would.

Starts Xvfb and the openbox window manager, starts the built program from a
copy of its folder, and with synthetic keys and mouse moves: closes the
about box with a key, opens the file dialog with F3, chooses a sample
picture, sets a 2 x 1 board in the configuration dialog and accepts it,
solves the board with one drag and waits for "Lo has logrado!". Then the
settings file beside the program must hold the expected bytes.

Usage: play_in_x.py <program folder>   (e.g. build/quilto)
"""
import os
import shutil
import subprocess
import sys
import tempfile
import time

LAVENDER = (192, 192, 255)
EXPECTED_SETTINGS = (
    b"Columnas (1-50):\r\n 2 \r\nFilas (1-50):\r\n 1 \r\nTipo de ajuste de imagen (1-4):\r\n 3 \r\n"
    b"Piezas irregulares (T/F):\r\n 0 \r\nDesplazar piezas (T/F):\r\n 0 \r\nPiezas m\xf3viles (T/F):\r\n 0 \r\n")


class Failure(Exception):
    pass


class Desktop:
    """An X server of our own with a window manager."""

    def __init__(self):
        self.procs = []
        read, write = os.pipe()
        xvfb = subprocess.Popen(["Xvfb", "-displayfd", str(write), "-screen", "0", "1280x800x24", "-nolisten", "tcp"],
                                pass_fds=(write,), stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        os.close(write)
        self.procs.append(xvfb)
        number = b""
        while not number.endswith(b"\n"):
            chunk = os.read(read, 16)
            if not chunk:
                raise Failure("Xvfb did not start")
            number += chunk
        os.close(read)
        self.env = {**os.environ, "DISPLAY": ":" + number.decode().strip()}
        self.env.pop("QT_QPA_PLATFORM", None)
        self.procs.append(subprocess.Popen(["openbox"], env=self.env, stdout=subprocess.DEVNULL,
                                           stderr=subprocess.DEVNULL))
        time.sleep(1)

    def run(self, *args, check=True):
        return subprocess.run(list(args), env=self.env, check=check, capture_output=True, text=True).stdout

    def key(self, *keys):
        for k in keys:
            self.run("xdotool", "key", "--clearmodifiers", k)
            time.sleep(0.15)

    def windows(self, pid):
        """Names of the visible windows of a process, by window id."""
        out = self.run("xdotool", "search", "--all", "--onlyvisible", "--pid", str(pid), "", check=False)
        found = {}
        for wid in out.split():
            found[wid] = self.run("xdotool", "getwindowname", wid, check=False).strip()
        return found

    def wait_window(self, pid, accept, what, timeout=15):
        end = time.time() + timeout
        while time.time() < end:
            for wid, name in self.windows(pid).items():
                if accept(name):
                    return wid
            time.sleep(0.2)
        raise Failure(f"no {what} appeared; windows: {self.windows(pid)}")

    def wait_gone(self, pid, wid, what, timeout=10):
        end = time.time() + timeout
        while time.time() < end:
            if wid not in self.windows(pid):
                return
            time.sleep(0.2)
        raise Failure(f"the {what} stayed open")

    def screenshot(self):
        """The screen as (width, height, rgb bytes)."""
        raw = subprocess.run(["import", "-window", "root", "-depth", "8", "rgb:-"], env=self.env, check=True,
                             capture_output=True).stdout
        width, height = 1280, 800
        if len(raw) != width * height * 3:
            raise Failure("unexpected screenshot size")
        return width, height, raw

    def close(self):
        for p in reversed(self.procs):
            p.terminate()
            try:
                p.wait(5)
            except subprocess.TimeoutExpired:
                p.kill()


def board_frame(shot):
    """The bounding box of the lavender board frame on the screen."""
    width, height, raw = shot
    xs, ys = [], []
    for y in range(0, height, 2):
        row = raw[y * width * 3:(y + 1) * width * 3]
        for x in range(0, width, 2):
            if tuple(row[x * 3:x * 3 + 3]) == LAVENDER:
                xs.append(x)
                ys.append(y)
    if len(xs) < 1000:
        raise Failure("no board frame on the screen")
    return min(xs), min(ys), max(xs), max(ys)


def play(program_dir):
    work = tempfile.mkdtemp(prefix="quilto-e2e-")
    desktop = None
    game = None
    try:
        app = os.path.join(work, "quilto")
        shutil.copytree(program_dir, app)
        settings = os.path.join(app, "Quilto.ini")
        if os.path.exists(settings):
            os.remove(settings)
        desktop = Desktop()
        game = subprocess.Popen([os.path.join(app, "quilto")], env=desktop.env, cwd=work,
                                stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)

        # The about box comes first, alone; a key closes it.
        about = desktop.wait_window(game.pid, lambda n: n != "Quilto 1.0", "about box")
        if any(n == "Quilto 1.0" for n in desktop.windows(game.pid).values()):
            raise Failure("the main window showed before the about box was closed")
        desktop.run("xdotool", "windowactivate", "--sync", about, check=False)
        desktop.key("Return")
        desktop.wait_gone(game.pid, about, "about box")
        main = desktop.wait_window(game.pid, lambda n: n == "Quilto 1.0", "main window")
        desktop.run("xdotool", "windowactivate", "--sync", main, check=False)
        time.sleep(1)
        left, top, right, bottom = board_frame(desktop.screenshot())

        # F3: the file dialog; a sample picture typed in.
        desktop.key("F3")
        dialog = desktop.wait_window(game.pid, lambda n: n == "Abrir", "file dialog")
        time.sleep(0.5)
        desktop.run("xdotool", "type", "--delay", "20", os.path.join(app, "Imagenes", "Paisaje.png"))
        desktop.key("Return")
        desktop.wait_gone(game.pid, dialog, "file dialog")

        # The first picture opens the configuration dialog, "Aceptar" focused.
        # Columns to the least, "Idénticos." and irregular pieces off, then
        # one column more: a board of 2 x 1.
        config = desktop.wait_window(game.pid, lambda n: n == "Configuración", "configuration dialog")
        time.sleep(0.5)
        desktop.key("Tab", "Home", "Tab", "space", "Tab", "space", "shift+Tab", "shift+Tab", "Right", "shift+Tab",
                    "Return")
        desktop.wait_gone(game.pid, config, "configuration dialog")
        time.sleep(1)

        y = (top + bottom) // 2
        first, second = (left + (right - left) // 4, y), (left + 3 * (right - left) // 4, y)

        def message():
            return [w for w, n in desktop.windows(game.pid).items() if n == "Quilto"]

        # A shuffle of two pieces may leave them at home; a click without a
        # move runs the completion check, and F2 deals again after a win.
        for _ in range(10):
            desktop.run("xdotool", "mousemove", str(first[0]), str(first[1]), "click", "1")
            time.sleep(0.8)
            boxes = message()
            if not boxes:
                break
            desktop.key("Return")
            desktop.wait_gone(game.pid, boxes[0], "message")
            desktop.key("F2")
            time.sleep(1)
        else:
            raise Failure("every deal came out solved")

        # One drag solves it.
        desktop.run("xdotool", "mousemove", str(first[0]), str(first[1]), "mousedown", "1")
        for step in range(1, 6):
            x = first[0] + (second[0] - first[0]) * step // 5
            desktop.run("xdotool", "mousemove", str(x), str(y))
            time.sleep(0.1)
        desktop.run("xdotool", "mouseup", "1")
        end = time.time() + 5
        while not message() and time.time() < end:
            time.sleep(0.2)
        if not message():
            raise Failure('no "Lo has logrado!" after the drag')
        desktop.key("Return")

        with open(settings, "rb") as f:
            saved = f.read()
        if saved != EXPECTED_SETTINGS:
            raise Failure(f"settings file holds {saved!r}, expected {EXPECTED_SETTINGS!r}")

        # Closing the window ends the program.
        time.sleep(0.5)
        desktop.run("xdotool", "windowactivate", "--sync", main, check=False)
        desktop.key("alt+F4")
        try:
            game.wait(10)
        except subprocess.TimeoutExpired:
            raise Failure("closing the main window did not end the program")
        print("end-to-end: about box, F3, picture, configuration, one drag, win, settings file: passed")
    finally:
        if game and game.poll() is None:
            game.kill()
        if desktop:
            desktop.close()
        shutil.rmtree(work, ignore_errors=True)


def main():
    if len(sys.argv) != 2:
        sys.exit(__doc__)
    try:
        play(os.path.abspath(sys.argv[1]))
    except Failure as e:
        sys.exit(f"end-to-end: {e}")


if __name__ == "__main__":
    main()
