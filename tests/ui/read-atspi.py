#!/usr/bin/python3
"""Reads the accessible tree as a screen reader gets it: from the AT-SPI registry
on the accessibility bus of this session, over D-Bus, in another process than the
program's. Prints one line for each item of each application, indented by its
depth below the application: its role as AT-SPI names it, "|", its name.

Usage: read-atspi.py   (in a session whose bus starts the accessibility bus)
"""

import dbus

ACCESSIBLE = "org.a11y.atspi.Accessible"
PROPERTIES = "org.freedesktop.DBus.Properties"


def main():
    address = dbus.SessionBus().get_object("org.a11y.Bus", "/org/a11y/bus").GetAddress(
        dbus_interface="org.a11y.Bus")
    bus = dbus.bus.BusConnection(address)

    def walk(owner, path, depth):
        item = bus.get_object(owner, path, introspect=False)
        role = item.GetRoleName(dbus_interface=ACCESSIBLE)
        name = item.Get(ACCESSIBLE, "Name", dbus_interface=PROPERTIES)
        print("  " * depth + f"{role}|{name}")
        for child_owner, child_path in item.GetChildren(dbus_interface=ACCESSIBLE):
            walk(child_owner, child_path, depth + 1)

    registry = bus.get_object("org.a11y.atspi.Registry", "/org/a11y/atspi/accessible/root", introspect=False)
    for owner, path in registry.GetChildren(dbus_interface=ACCESSIBLE):
        walk(owner, path, 0)


if __name__ == "__main__":
    main()
