"""The real panel in a desktop session of the test's own: an X server (Xvfb on a display it
picks), the session bus it runs under (dbus-run-session), the accessibility bus of at-spi2-core.
What a screen reader finds and hears through AT-SPI, and one panel per session.
Run under dbus-run-session: python3 test_session.py PROGRAM."""
import os
import subprocess
import sys
import tempfile
import time
import unittest

PROGRAM = sys.argv.pop(1)
TITLE = 'USB_Tavro FM Transmitter'


class DesktopSession:
    def __init__(self, program):
        self.program = program
        self.config = tempfile.TemporaryDirectory()
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-nolisten', 'tcp'],
                                     pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:  # read to its end: Xvfb dies if cut off
            os.environ['DISPLAY'] = ':' + display.readline().strip()
        self.bus = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
        self.panels = []

    def start_panel(self, *args):
        env = dict(os.environ, XDG_CONFIG_HOME=self.config.name,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1')
        env.pop('QT_QPA_PLATFORM', None)
        panel = subprocess.Popen([self.program, '--simulate', *args], env=env,
                                 stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
        self.panels.append(panel)
        return panel

    def xdotool(self, *args):
        subprocess.run(['xdotool', *args], check=True, timeout=10)

    def close(self):
        for process in self.panels + [self.bus, self.xvfb]:
            process.terminate()
            process.wait(timeout=10)
        self.config.cleanup()


def wait_for(condition, timeout=10.0):
    """Polls condition, letting accessibility events in meanwhile."""
    from gi.repository import GLib
    end = time.monotonic() + timeout
    while time.monotonic() < end:
        found = condition()
        if found:
            return found
        while GLib.MainContext.default().iteration(False):
            pass
        time.sleep(0.05)
    return None


class PanelInSession(unittest.TestCase):
    def setUp(self):
        self.session = DesktopSession(PROGRAM)
        self.addCleanup(self.session.close)
        self.panel = self.session.start_panel()
        self.session.xdotool('search', '--sync', '--name', TITLE, 'windowfocus', '--sync')

    def test_screen_reader_finds_hears_and_tunes_the_dial(self):
        import pyatspi  # after the accessibility bus is up
        desktop = pyatspi.Registry.getDesktop(0)
        app = wait_for(lambda: next((a for a in desktop if a and a.name == 'usb-tavro-prefs'), None))
        self.assertIsNotNone(app)
        dial = pyatspi.findDescendant(app, lambda a: a.getRoleName() == 'dial')
        spoken = lambda: dial.queryText().getText(0, -1)
        self.assertEqual((dial.name, spoken()), ('Frequency', '88.1 MHz'))
        value = dial.queryValue()
        self.assertEqual((value.minimumValue, value.maximumValue, value.minimumIncrement),
                         (88100, 107900, 100))
        self.assertTrue(dial.getState().contains(pyatspi.STATE_FOCUSED))
        names = [a.name for a in pyatspi.findAllDescendants(app, lambda a: True)]
        for name in ('Stereo', 'Mono', 'Stereo or mono', 'Hardware version: 0100'):
            self.assertIn(name, names)
        self.assertTrue(any(n.startswith('Build date: ') for n in names))

        heard = []
        pyatspi.Registry.registerEventListener(
            lambda event: heard.append(spoken()), 'object:property-change:accessible-value')
        x, y, _, _ = dial.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        centre = (x + 68, y + 68)  # the dial's centre, from its top left
        steps = [(('key', 'Up'), '88.2 MHz'),
                 (('mousemove', str(centre[0]), str(centre[1])), None),
                 (('click', '4'), '88.3 MHz'),  # the wheel, a notch away from the user
                 (('mousemove', str(centre[0]), str(centre[1] - 40), 'mousedown', '1',
                   'mousemove', str(centre[0] + 40), str(centre[1]), 'mouseup', '1'), '94.2 MHz')]
        for action, then in steps:
            self.session.xdotool(*action)
            if then:
                self.assertEqual(wait_for(lambda: heard and heard[-1] == then and heard[-1]), then)
        self.assertEqual(value.currentValue, 94200)
        value.currentValue = 99000  # as a screen reader's user sets it
        self.assertTrue(wait_for(lambda: spoken() == '99.0 MHz'))

    def test_a_second_start_brings_the_first_forward(self):
        second = self.session.start_panel()
        self.assertEqual(second.wait(timeout=10), 0)
        self.assertIsNone(self.panel.poll())


if __name__ == '__main__':
    unittest.main()
