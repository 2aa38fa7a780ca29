"""kwin_screenshot.py OUTPUT.ppm

Takes what KWin shows on its screens through org.kde.KWin.ScreenShot2 on the session bus and
writes it as a PPM picture. KWin writes the pixels, as a QImage lays them out, into a pipe whose
end is passed with the call; the reply gives their size and format.
"""

import os
import sys

from gi.repository import Gio, GLib

# The QImage formats KWin captures in: 32 bits a pixel, blue, green, red, then alpha or padding
# in memory, as stored on a little-endian machine.
BGRX_FORMATS = {4, 5, 6}  # RGB32, ARGB32, ARGB32_Premultiplied


def capture():
    bus = Gio.bus_get_sync(Gio.BusType.SESSION)
    reader, writer = os.pipe()
    fds = Gio.UnixFDList.new()
    handle = fds.append(writer)
    os.close(writer)
    reply, _ = bus.call_with_unix_fd_list_sync(
        "org.kde.KWin",
        "/org/kde/KWin/ScreenShot2",
        "org.kde.KWin.ScreenShot2",
        "CaptureWorkspace",
        GLib.Variant("(a{sv}h)", ({}, handle)),
        GLib.VariantType("(a{sv})"),
        Gio.DBusCallFlags.NONE,
        10000,
        fds,
        None,
    )
    # The pixels end when KWin closes its writing end, and only if no copy of it is left here:
    # the list holds one.
    fds = None
    info = reply.unpack()[0]
    chunks = []
    with os.fdopen(reader, "rb") as pipe:
        while chunk := pipe.read(1 << 20):
            chunks.append(chunk)
    return info, b"".join(chunks)


def main():
    info, pixels = capture()
    width, height, stride = info["width"], info["height"], info["stride"]
    if info.get("type", "raw") != "raw" or info["format"] not in BGRX_FORMATS:
        print(f"KWin sent pixels in a form not read here: {info}", file=sys.stderr)
        return 1
    rgb = bytearray()
    for y in range(height):
        row = pixels[y * stride : y * stride + width * 4]
        line = bytearray(width * 3)
        line[0::3], line[1::3], line[2::3] = row[2::4], row[1::4], row[0::4]
        rgb += line
    with open(sys.argv[1], "wb") as out:
        out.write(b"P6\n%d %d\n255\n" % (width, height) + bytes(rgb))
    return 0


sys.exit(main())
