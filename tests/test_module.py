# The System Settings module in its real hosts, kcmshell6 and System Settings, in a desktop
# session of the test's own (test_session.py's): an X server driven through XTest, read through
# AT-SPI, the module on its simulated transmitter, whose reports the host prints.
# Run under dbus-run-session: python3 test_module.py PANEL KCMSHELL SYSTEMSETTINGS PLUGIN_PATH.
import os
import plistlib
import re
import subprocess
import sys
import threading
import unittest

sys.dont_write_bytecode = True  # no cache of the import below in the source tree
from test_session import DesktopSession, wait_for  # noqa: E402

PANEL, KCMSHELL, SYSTEMSETTINGS, PLUGIN_PATH = sys.argv[1:5]
del sys.argv[1:5]
MODULE = 'kcm_usbtavro'


class Host:
    # A settings application showing the module, what it prints read as it comes.
    def __init__(self, session, program):
        self.process = session.start([program, MODULE, '--args', 'simulate'],
                                     stdout=subprocess.PIPE, QT_PLUGIN_PATH=PLUGIN_PATH,
                                     QT_QUICK_BACKEND='software')
        self.out, self.err = [], []
        for stream, lines in ((self.process.stdout, self.out), (self.process.stderr, self.err)):
            threading.Thread(target=lambda s=stream, l=lines: l.extend(iter(s.readline, '')),
                             daemon=True).start()

    def reports(self):
        return [m.group(1) for m in (re.match(r'report: .*  ([0-9.]+ MHz \w+)', line)
                                     for line in list(self.out)) if m]


class ModuleInSession(unittest.TestCase):
    def setUp(self):
        self.session = DesktopSession(PANEL)
        self.addCleanup(self.session.close)
        self.settings = os.path.join(self.session.config.name, 'io.github.usbtavro.USB_Tavro.plist')

    def find(self, app_name, test):
        # What a screen reader finds in the application: the first object that passes test.
        import pyatspi  # after the accessibility bus is up
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: next((a for a in desktop if a and a.name == app_name), None), 30)
        self.assertIsNotNone(app, app_name)
        found = wait_for(lambda: pyatspi.findDescendant(app, lambda a: a and test(a)))
        self.assertIsNotNone(found)
        return found

    def dial(self, app_name):
        return self.find(app_name, lambda a: a.getRoleName() == 'dial')

    def saved(self):
        with open(self.settings, 'rb') as file:
            return plistlib.load(file)

    def test_kcmshell_tunes_with_the_pointer_and_saves_when_closed(self):
        host = Host(self.session, KCMSHELL)
        dial = self.dial('kcmshell6')
        self.assertEqual(dial.name, 'Frequency')
        self.assertTrue(wait_for(lambda: host.reports() == ['88.1 MHz stereo']))
        x, y, _, _ = dial.queryComponent().getExtents(0)  # the desktop's coordinates
        self.session.xdotool('mousemove', str(x + 68), str(y + 28), 'mousedown', '1',
                             'mousemove', str(x + 108), str(y + 68), 'mouseup', '1')
        self.assertTrue(wait_for(lambda: host.reports()[-1:] == ['94.0 MHz stereo']))
        self.session.xdotool('key', 'Escape')  # leaves at once, before the pane's own save
        self.assertEqual(host.process.wait(timeout=10), 0)
        self.assertEqual(self.saved()['Frequency'], 94000)

    def test_system_settings_shows_the_dial_and_saves_when_closed(self):
        host = Host(self.session, SYSTEMSETTINGS)
        dial = self.dial('systemsettings')
        window = dial
        while window.getRoleName() != 'frame':
            window = window.parent
        self.assertEqual(dial.name, 'Frequency')
        self.assertTrue(window.name.startswith('USB Tavro'), window.name)
        self.assertTrue(wait_for(lambda: host.reports() == ['88.1 MHz stereo']))
        self.assertFalse(os.path.exists(self.settings))  # nothing changed: nothing saved yet
        self.session.xdotool('search', '--name', '^USB Tavro', 'windowfocus', '--sync', 'key',
                             'ctrl+q')  # its Quit
        self.assertEqual(host.process.wait(timeout=10), 0)
        self.assertEqual((self.saved()['Frequency'], self.saved()['Stereo']), (88100, True))

    def test_one_panel_at_a_time_either_way(self):
        panel = self.session.start_panel()
        self.session.window()
        host = Host(self.session, KCMSHELL)
        self.find('kcmshell6', lambda a: 'brought forward now' in a.name)
        self.assertIn(f'A panel is open in this session already (process {panel.pid} '
                      '(usb-tavro-prefs)', ''.join(host.err))
        self.assertEqual(host.reports(), [])  # it leaves the transmitter to the panel
        panel.terminate()
        panel.wait(timeout=10)
        self.assertTrue(wait_for(lambda: host.reports() == ['88.1 MHz stereo']))  # takes over

        second = self.session.start_panel()
        self.assertEqual(second.wait(timeout=10), 0)
        self.assertRegex(second.stderr.read(), rf'^A panel is open in this session already '
                         rf'\(process {host.process.pid} \(kcmshell6\), bus name :[0-9.]+\): '
                         r'brought it forward\n$')


if __name__ == '__main__':
    unittest.main()
