#!/usr/bin/env python3
"""Static checks of the shipped 32-bit program image, which cannot run here.

usage: check_program_image.py PROGRAM.exe STORED_DESCRIPTION.bin

Checks the PE32 headers, the imported DLLs, the resources, and that the
program header, the constants block and the window description lie in
read-only data with the values the program hands to the run time.
"""
import struct
import sys

ALLOWED_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll"}
RT_CURSOR, RT_ICON, RT_GROUP_CURSOR, RT_GROUP_ICON = 1, 3, 12, 14
SCN_EXECUTE, SCN_WRITE = 0x20000000, 0x80000000
HINT = b"Find Something amazing in the tag.\0"

failures = []


def check(condition, message):
    if not condition:
        failures.append(message)
    return condition


class Image:
    def __init__(self, data):
        self.data = data
        pe = struct.unpack_from("<I", data, 0x3C)[0]
        check(data[pe:pe + 4] == b"PE\0\0", "no PE signature")
        self.machine, nsections, _, _, _, optsize, self.characteristics = struct.unpack_from("<HHIIIHH", data, pe + 4)
        opt = pe + 24
        self.magic = struct.unpack_from("<H", data, opt)[0]
        self.image_base = struct.unpack_from("<I", data, opt + 28)[0]
        self.os_version = struct.unpack_from("<HH", data, opt + 40)
        self.subsystem_version = struct.unpack_from("<HH", data, opt + 48)
        self.subsystem = struct.unpack_from("<H", data, opt + 68)[0]
        ndirs = struct.unpack_from("<I", data, opt + 92)[0]
        self.dirs = [struct.unpack_from("<II", data, opt + 96 + 8 * i) for i in range(ndirs)]
        self.sections = []
        for i in range(nsections):
            name, vsize, va, rawsize, rawptr = struct.unpack_from("<8sIIII", data, opt + optsize + 40 * i)
            flags = struct.unpack_from("<I", data, opt + optsize + 40 * i + 36)[0]
            self.sections.append((name.rstrip(b"\0").decode(), va, max(vsize, rawsize), rawptr, rawsize, flags))

    def section_of_rva(self, rva):
        for s in self.sections:
            if s[1] <= rva < s[1] + s[2]:
                return s
        return None

    def offset(self, rva):
        s = self.section_of_rva(rva)
        if s is None or rva - s[1] >= s[4]:
            raise ValueError("rva %#x not in file" % rva)
        return s[3] + rva - s[1]

    def read(self, rva, size):
        at = self.offset(rva)
        return self.data[at:at + size]

    def cstring(self, rva):
        at = self.offset(rva)
        return self.data[at:self.data.index(b"\0", at)].decode("latin-1")

    def imports(self):
        rva, _ = self.dirs[1]
        names = []
        while True:
            entry = struct.unpack_from("<IIIII", self.data, self.offset(rva))
            if entry[3] == 0:
                return names
            names.append(self.cstring(entry[3]))
            rva += 20

    def resources(self):
        """(type, name, language) -> data, names as ints or strings."""
        base, _ = self.dirs[2]
        found = {}

        def name_of(entry_name):
            if entry_name & 0x80000000:
                at = self.offset(base + (entry_name & 0x7FFFFFFF))
                length = struct.unpack_from("<H", self.data, at)[0]
                return self.data[at + 2:at + 2 + 2 * length].decode("utf-16-le")
            return entry_name

        def walk(rva, path):
            at = self.offset(rva)
            named, ids = struct.unpack_from("<HH", self.data, at + 12)
            for i in range(named + ids):
                entry_name, target = struct.unpack_from("<II", self.data, at + 16 + 8 * i)
                key = path + (name_of(entry_name),)
                if target & 0x80000000:
                    walk(base + (target & 0x7FFFFFFF), key)
                else:
                    data_rva, size = struct.unpack_from("<II", self.data, self.offset(base + target))
                    found[key] = self.read(data_rva, size)

        walk(base, ())
        return found


def check_headers(image):
    check(image.machine == 0x14C, "not an i386 image (machine %#x)" % image.machine)
    check(image.subsystem == 2, "not the GUI subsystem (%d)" % image.subsystem)
    check(image.subsystem_version == (5, 1), "subsystem version %d.%02d, want 5.01" % image.subsystem_version)
    dlls = {name.lower() for name in image.imports()}
    check(dlls <= ALLOWED_DLLS, "imports other DLLs: %s" % sorted(dlls - ALLOWED_DLLS))
    check({"kernel32.dll", "user32.dll", "gdi32.dll"} <= dlls, "imports %s" % sorted(dlls))


def check_resources(image):
    resources = image.resources()
    groups = [(k, v) for k, v in resources.items() if k[0] == RT_GROUP_ICON and k[1] == "DEFAULT_ICON"]
    if check(len(groups) == 1, "no icon group DEFAULT_ICON"):
        group = groups[0][1]
        count = struct.unpack_from("<H", group, 4)[0]
        check(count == 1, "DEFAULT_ICON holds %d images, want 1" % count)
        width, height = group[6], group[7]
        check((width, height) == (48, 48), "DEFAULT_ICON image is %dx%d, want 48x48" % (width, height))
    check(any(k[0] == RT_GROUP_CURSOR and k[1] == 1032 for k in resources), "no cursor resource 1032")


def find_program_header(image):
    """The 13 words whose fixed values the program sets."""
    for name, va, size, rawptr, rawsize, flags in image.sections:
        block = image.data[rawptr:rawptr + rawsize]
        for at in range(0, len(block) - 52 + 1, 4):
            words = struct.unpack_from("<13I", block, at)
            if words[0:3] == (3, 0, 0x10005) and words[5] == 35 and words[7] == 507 and words[8] == 1 \
                    and words[10:13] == (0, 0, 0):
                return (name, flags), words
    return None, None


def check_static_data(image, stored_description):
    where, header = find_program_header(image)
    if not check(header is not None, "no program header with the program's values"):
        return
    check(not where[1] & SCN_WRITE, "the program header lies in writable section %s" % where[0])

    def rva(address):
        return address - image.image_base

    code = image.section_of_rva(rva(header[3]))
    check(code is not None and code[5] & SCN_EXECUTE, "the code base %#x is not in code" % header[3])
    for label, address, size, expected in (("constants block", header[4], header[5], HINT),
                                           ("window description", header[6], header[7], stored_description)):
        section = image.section_of_rva(rva(address))
        if not check(section is not None, "%s address %#x is outside the image" % (label, address)):
            continue
        check(not section[5] & SCN_WRITE, "the %s lies in writable section %s" % (label, section[0]))
        check(image.read(rva(address), size) == expected, "the %s does not hold the expected bytes" % label)
    libraries = image.read(rva(header[9]), 4)
    check(image.section_of_rva(rva(struct.unpack("<I", libraries)[0])) is not None,
          "the support-library list does not point at a library record")


def main():
    image = Image(open(sys.argv[1], "rb").read())
    stored = open(sys.argv[2], "rb").read()
    if check(image.magic == 0x10B, "not a PE32 image (optional header magic %#x)" % image.magic):
        check_headers(image)
        check_resources(image)
        check_static_data(image, stored)
    for failure in failures:
        print("FAIL:", failure)
    print("program image: %d problems" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
