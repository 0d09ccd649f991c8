"""What tinselwick.exe carries: a self-contained GUI program with the twenty pictures, the icon, the
manifest and the version as resources."""
import os
import re
import struct
import unittest

from pe_file import PeFile

EXE = os.environ["TINSELWICK_EXE"]
RESOURCES = os.path.join(os.environ["TINSELWICK_SOURCE_DIR"], "resources")

RT_ICON, RT_GROUP_ICON, RT_VERSION, RT_MANIFEST = 3, 14, 16, 24
GUI_SUBSYSTEM = 2
SYSTEM_DLLS = {"kernel32.dll", "user32.dll", "gdi32.dll", "msvcrt.dll", "advapi32.dll"}
VERSION_SIGNATURE = 0xFEEF04BD


def embedded_files():
    """{id: path} from the resource script's FILES lines."""
    with open(os.path.join(RESOURCES, "tinselwick.rc")) as script:
        return {int(number): os.path.join(RESOURCES, name)
                for number, name in re.findall(r'^(\d+) FILES "(.+)"$', script.read(), re.M)}


def read(path):
    with open(path, "rb") as source:
        return source.read()


class ProgramFile(unittest.TestCase):

    @classmethod
    def setUpClass(cls):
        cls.pe = PeFile(read(EXE))
        cls.resources = cls.pe.resources()

    def test_is_a_gui_program_importing_only_system_dlls(self):
        self.assertEqual(self.pe.subsystem, GUI_SUBSYSTEM)
        imported = {name.lower() for name in self.pe.imported_dlls()}
        self.assertLessEqual(imported, SYSTEM_DLLS)
        self.assertIn("user32.dll", imported)

    def test_carries_the_twenty_files_byte_for_byte(self):
        files = embedded_files()
        self.assertEqual(sorted(files), list(range(500, 520)))
        carried = {name: data for (kind, name), data in self.resources.items() if kind == "FILES"}
        self.assertEqual(sorted(carried), sorted(files))
        for number, path in files.items():
            with self.subTest(file=os.path.basename(path)):
                self.assertEqual(carried[number], read(path))

    def test_icon_group_5_holds_16_colour_images_of_32_and_16_pixels(self):
        group = self.resources[(RT_GROUP_ICON, 5)]
        _, kind, count = struct.unpack_from("<HHH", group)
        self.assertEqual((kind, count), (1, 2))
        images = []
        for i in range(count):
            width, height, colours, _, _, bits, size, icon = struct.unpack_from("<BBBBHHIH", group, 6 + 14 * i)
            self.assertEqual(len(self.resources[(RT_ICON, icon)]), size)
            images.append((width, height, colours, bits))
        self.assertEqual(sorted(images), [(16, 16, 16, 4), (32, 32, 16, 4)])

    def test_manifest_declares_per_monitor_dpi_awareness(self):
        manifest = self.resources[(RT_MANIFEST, 1)]
        self.assertEqual(manifest, read(os.path.join(RESOURCES, "tinselwick.manifest")))
        self.assertIn(b"PerMonitorV2", manifest)
        self.assertIn(b"<dpiAware", manifest)

    def test_version_resource_names_the_program(self):
        version = self.resources[(RT_VERSION, 1)]
        fixed = version.index(struct.pack("<I", VERSION_SIGNATURE))
        file_ms, file_ls = struct.unpack_from("<8xII", version, fixed)
        self.assertEqual((file_ms >> 16, file_ms & 0xFFFF, file_ls >> 16, file_ls & 0xFFFF), (1, 0, 0, 0))
        self.assertIn("tinselwick.exe".encode("utf-16-le"), version)


if __name__ == "__main__":
    unittest.main()
