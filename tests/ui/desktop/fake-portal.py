#!/usr/bin/env python3
"""A stand-in for the freedesktop Settings portal, for tests on a private session bus.

Answers ReadOne and Read from the settings given on the command line and emits SettingChanged
when told to through its own test interface (org.zemtrix.Test.Portal, method Change on the same
path). Prints "ready" once it owns the portal's name.

  fake-portal.py [--set NAMESPACE KEY TYPE VALUE]... [--no-read-one] [--mute]
    TYPE is u (unsigned), i (signed), b (true/false) or s (string)
    --no-read-one  a portal older than version 2: ReadOne is an unknown method
    --mute         owns the name but never answers a call
Ends when its standard input, if it is a pipe, is closed; else when it is stopped.
"""
import argparse
import os
import stat
import sys

import dbus
import dbus.mainloop.glib
import dbus.service
from gi.repository import GLib

NAME = "org.freedesktop.portal.Desktop"
PATH = "/org/freedesktop/portal/desktop"
SETTINGS = "org.freedesktop.portal.Settings"
TEST = "org.zemtrix.Test.Portal"


def typed(kind, text):
    if kind == "u":
        return dbus.UInt32(int(text))
    if kind == "i":
        return dbus.Int32(int(text))
    if kind == "b":
        return dbus.Boolean(text == "true")
    return dbus.String(text)


class Portal(dbus.service.Object):
    def __init__(self, bus, settings, has_read_one, is_mute):
        super().__init__(bus, PATH)
        self.settings = settings
        self.has_read_one = has_read_one
        self.is_mute = is_mute
        self.held = []  # unanswered calls of a mute portal

    def lookup(self, namespace, key):
        if (namespace, key) not in self.settings:
            raise dbus.exceptions.DBusException(
                "no such setting", name="org.freedesktop.portal.Error.NotFound")
        return self.settings[(namespace, key)]

    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v",
                         async_callbacks=("reply", "error"))
    def ReadOne(self, namespace, key, reply, error):
        if self.is_mute:
            self.held.append(reply)
        elif not self.has_read_one:
            error(dbus.exceptions.DBusException(
                "no ReadOne", name="org.freedesktop.DBus.Error.UnknownMethod"))
        else:
            try:
                reply(self.lookup(namespace, key))
            except dbus.exceptions.DBusException as failure:
                error(failure)

    # Read gives the value in one variant more than ReadOne.
    @dbus.service.method(SETTINGS, in_signature="ss", out_signature="v",
                         async_callbacks=("reply", "error"))
    def Read(self, namespace, key, reply, error):
        if self.is_mute:
            self.held.append(reply)
            return
        try:
            value = self.lookup(namespace, key)
            reply(type(value)(value, variant_level=1))
        except dbus.exceptions.DBusException as failure:
            error(failure)

    @dbus.service.signal(SETTINGS, signature="ssv")
    def SettingChanged(self, namespace, key, value):
        pass

    @dbus.service.method(TEST, in_signature="ssss", out_signature="")
    def Change(self, namespace, key, kind, text):
        value = typed(kind, text)
        self.settings[(namespace, key)] = value
        self.SettingChanged(namespace, key, value)


def main():
    parser = argparse.ArgumentParser()
    parser.add_argument("--set", nargs=4, action="append", default=[])
    parser.add_argument("--no-read-one", action="store_true")
    parser.add_argument("--mute", action="store_true")
    options = parser.parse_args()
    dbus.mainloop.glib.DBusGMainLoop(set_as_default=True)
    bus = dbus.SessionBus()
    settings = {(n, k): typed(t, v) for n, k, t, v in options.set}
    portal = Portal(bus, settings, not options.no_read_one, options.mute)
    name = dbus.service.BusName(NAME, bus, do_not_queue=True)
    print("ready", flush=True)
    loop = GLib.MainLoop()
    # Started with a pipe on its standard input, it ends when the pipe is closed.
    if stat.S_ISFIFO(os.fstat(sys.stdin.fileno()).st_mode):
        def closed(source, condition):
            if not os.read(source.fileno(), 4096):
                loop.quit()
                return False
            return True
        GLib.io_add_watch(sys.stdin, GLib.IO_IN | GLib.IO_HUP, closed)
    loop.run()
    del name, portal


if __name__ == "__main__":
    main()
