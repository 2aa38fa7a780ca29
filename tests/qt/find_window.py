"""find_window.py SCREENSHOT REFERENCE LEFT,TOP,RIGHT,BOTTOM

Finds the window's client area, drawn as REFERENCE, anywhere on a screenshot, and checks that
it is that drawing pixel for pixel outside the rectangle given (the fields that show the
clock's date and time). Prints where the client area lies; exits 1 when it is not there or
differs outside the rectangle.

Each row of the reference must match the screenshot's row at the same offset. The search
starts from the row through the settings group's caption, which no title bar or background
repeats, so one byte search per screenshot row places the window.
"""

import subprocess
import sys

CAPTION_ROW = 10


def read_rgb(path):
    width, height = (
        int(n) for n in subprocess.check_output(["identify", "-format", "%w %h", path]).split()
    )
    pixels = subprocess.check_output(["convert", path, "-depth", "8", "rgb:-"])
    stride = width * 3
    return width, height, [pixels[y * stride : (y + 1) * stride] for y in range(height)]


def places(shot_rows, needle):
    for y, row in enumerate(shot_rows):
        start = row.find(needle)
        while start >= 0:
            if start % 3 == 0:
                yield start // 3, y
            start = row.find(needle, start + 1)


def differing_pixels(shot_rows, reference_rows, left, top, width):
    for y, row in enumerate(reference_rows):
        drawn = shot_rows[top + y][left * 3 : (left + width) * 3]
        for x in range(width):
            if drawn[x * 3 : x * 3 + 3] != row[x * 3 : x * 3 + 3]:
                yield x, y


def main():
    shot_path, reference_path, allowed = sys.argv[1:4]
    ax0, ay0, ax1, ay1 = (int(n) for n in allowed.split(","))
    _, shot_height, shot_rows = read_rgb(shot_path)
    width, height, reference_rows = read_rgb(reference_path)
    for x, y in places(shot_rows, reference_rows[CAPTION_ROW]):
        left, top = x, y - CAPTION_ROW
        if top < 0 or top + height > shot_height:
            continue
        outside = [
            (px, py)
            for px, py in differing_pixels(shot_rows, reference_rows, left, top, width)
            if not (ax0 <= px < ax1 and ay0 <= py < ay1)
        ]
        if not outside:
            print(f"client area {width}x{height} at {left},{top}, as drawn")
            return 0
        print(f"client area at {left},{top} differs at {len(outside)} pixels, first {outside[0]}")
        return 1
    print("the window's client area is not on the screenshot")
    return 1


sys.exit(main())
