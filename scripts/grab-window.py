#!/usr/bin/env python3
"""Saves what an X window shows as a PNG, with nothing but libX11 and Python's own modules.

  grab-window.py WINDOW_ID OUT.png     (DISPLAY names the X server; 24- and 32-bit visuals)
"""
import ctypes
import ctypes.util
import struct
import sys
import zlib


class XWindowAttributes(ctypes.Structure):
    _fields_ = [("x", ctypes.c_int), ("y", ctypes.c_int), ("width", ctypes.c_int),
                ("height", ctypes.c_int), ("border_width", ctypes.c_int),
                ("depth", ctypes.c_int), ("visual", ctypes.c_void_p), ("root", ctypes.c_ulong),
                ("rest", ctypes.c_char * 256)]


class XImage(ctypes.Structure):
    _fields_ = [("width", ctypes.c_int), ("height", ctypes.c_int), ("xoffset", ctypes.c_int),
                ("format", ctypes.c_int), ("data", ctypes.POINTER(ctypes.c_ubyte)),
                ("byte_order", ctypes.c_int), ("bitmap_unit", ctypes.c_int),
                ("bitmap_bit_order", ctypes.c_int), ("bitmap_pad", ctypes.c_int),
                ("depth", ctypes.c_int), ("bytes_per_line", ctypes.c_int),
                ("bits_per_pixel", ctypes.c_int)]


def png(width, height, rows):
    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data +
                struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))
    raw = b"".join(b"\0" + row for row in rows)
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main():
    window, out = int(sys.argv[1], 0), sys.argv[2]
    x11 = ctypes.cdll.LoadLibrary(ctypes.util.find_library("X11"))
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XGetImage.restype = ctypes.POINTER(XImage)
    x11.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int,
                              ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
    x11.XGetWindowAttributes.argtypes = [ctypes.c_void_p, ctypes.c_ulong,
                                         ctypes.POINTER(XWindowAttributes)]
    display = x11.XOpenDisplay(None)
    if not display:
        sys.exit("grab-window: cannot open the display")
    attributes = XWindowAttributes()
    if not x11.XGetWindowAttributes(display, window, ctypes.byref(attributes)):
        sys.exit("grab-window: no such window")
    width, height = attributes.width, attributes.height
    image = x11.XGetImage(display, window, 0, 0, width, height, 0xFFFFFFFF, 2).contents
    if image.bits_per_pixel != 32:
        sys.exit("grab-window: only 24- and 32-bit visuals are read")
    data = ctypes.string_at(image.data, image.bytes_per_line * height)
    rows = []
    for y in range(height):
        line = data[y * image.bytes_per_line:y * image.bytes_per_line + width * 4]
        rows.append(bytes(b for i in range(0, len(line), 4)
                          for b in (line[i + 2], line[i + 1], line[i])))
    with open(out, "wb") as file:
        file.write(png(width, height, rows))


if __name__ == "__main__":
    main()
