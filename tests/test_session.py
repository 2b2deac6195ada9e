# The real panel in a desktop session of the test's own: an X server (Xvfb on a display it
# picks), the session bus it runs under (dbus-run-session), the accessibility bus of at-spi2-core.
# What a screen reader finds and hears through AT-SPI, and one panel per session.
# Run under dbus-run-session: python3 test_session.py PROGRAM.
import os
import signal
import socket
import subprocess
import sys
import tempfile
import threading
import time
import unittest

PROGRAM = sys.argv.pop(1) if __name__ == '__main__' else None
TITLE = 'USB_Tavro FM Transmitter'


class DesktopSession:
    def __init__(self, program):
        self.program = program
        self.config = tempfile.TemporaryDirectory()
        self.runtime = tempfile.TemporaryDirectory()  # where a panel holds its lock
        read, write = os.pipe()
        self.xvfb = subprocess.Popen(['Xvfb', '-displayfd', str(write), '-nolisten', 'tcp'],
                                     pass_fds=[write], stderr=subprocess.DEVNULL)
        os.close(write)
        with os.fdopen(read) as display:  # read to its end: Xvfb dies if cut off
            os.environ['DISPLAY'] = ':' + display.readline().strip()
        self.bus = subprocess.Popen(['/usr/libexec/at-spi-bus-launcher', '--launch-immediately'])
        self.panels = []

    def start(self, command, stdout=subprocess.DEVNULL, **env):
        # In the words the test reads, whatever the language of whoever runs it.
        given = env
        env = {k: v for k, v in os.environ.items()
               if k not in ('LC_ALL', 'LC_MESSAGES', 'LANGUAGE', 'QT_QPA_PLATFORM')}
        env.update(XDG_CONFIG_HOME=self.config.name, XDG_RUNTIME_DIR=self.runtime.name,
                   QT_LINUX_ACCESSIBILITY_ALWAYS_ON='1', LANG='C.UTF-8', **given)
        self.panels.append(subprocess.Popen(command, env=env, text=True, stdout=stdout,
                                            stderr=subprocess.PIPE))
        return self.panels[-1]

    def start_panel(self, **env):
        return self.start([self.program, '--simulate'], **env)

    def window(self, *then):
        # Waits for the panel's window, and does what xdotool is told then with it.
        self.xdotool('search', '--sync', '--name', TITLE, *then)

    def xdotool(self, *args):
        subprocess.run(['xdotool', *args], check=True, timeout=10)

    def close(self):
        for process in self.panels + [self.bus, self.xvfb]:
            process.terminate()
            process.wait(timeout=10)
        self.config.cleanup()
        self.runtime.cleanup()


def wait_for(condition, timeout=10.0):
    # Polls condition, letting accessibility events in meanwhile.
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


class InSession(unittest.TestCase):
    def setUp(self):
        self.session = DesktopSession(PROGRAM)
        self.addCleanup(self.session.close)

    def test_screen_reader_finds_hears_and_tunes_the_dial(self):
        self.session.start_panel()
        self.session.window('windowfocus', '--sync')
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
        for name in ('Stereo', 'Mono', 'Stereo or mono', 'Hardware version: 0100', 'Transmitter',
                     'Stations'):
            self.assertIn(name, names)
        self.assertTrue(any(n.startswith('Build date: ') for n in names))

        heard = []
        pyatspi.Registry.registerEventListener(
            lambda event: heard.append(spoken()), 'object:property-change:accessible-value')
        x, y, _, _ = dial.queryComponent().getExtents(pyatspi.DESKTOP_COORDS)
        x, y = str(x + 68), y + 68  # the dial's centre, from its top left
        for action, then in [(('key', 'Up'), '88.2 MHz'), (('mousemove', x, str(y)), None),
                             (('click', '4'), '88.3 MHz'),  # the wheel, a notch away from the user
                             (('mousemove', x, str(y - 40), 'mousedown', '1', 'mousemove',
                               str(int(x) + 40), str(y), 'mouseup', '1'), '94.2 MHz')]:
            self.session.xdotool(*action)
            if then:
                self.assertEqual(wait_for(lambda: heard and heard[-1] == then and heard[-1]), then)
        self.assertEqual(value.currentValue, 94200)
        value.currentValue = 99000  # as a screen reader's user sets it
        self.assertTrue(wait_for(lambda: spoken() == '99.0 MHz'))

    def test_a_bus_that_does_not_answer_is_said_and_the_window_comes_all_the_same(self):
        daemon = subprocess.Popen(['dbus-daemon', '--session', '--nofork', '--print-address'],
                                  stdout=subprocess.PIPE, text=True)
        self.addCleanup(daemon.wait)
        self.addCleanup(daemon.kill)
        stopped = daemon.stdout.readline().strip()
        os.kill(daemon.pid, signal.SIGSTOP)
        listening = {}  # halfway takes the login; full has room for no other connection
        for name in ('halfway', 'full'):
            listening[name] = socket.socket(socket.AF_UNIX)
            listening[name].bind(os.path.join(self.session.config.name, name))
            listening[name].listen(0 if name == 'full' else 16)
            self.addCleanup(listening[name].close)
        waiting = socket.socket(socket.AF_UNIX)  # the one it has room for, never taken
        waiting.connect(listening['full'].getsockname())
        self.addCleanup(waiting.close)
        held = []

        # Takes the login as a bus does, then says nothing: a stopped daemon behind a proxy.
        def log_in():
            while True:
                try:
                    client, _ = listening['halfway'].accept()
                except OSError:
                    return
                client.recv(1024)
                client.sendall(b'OK 0123456789abcdef0123456789abcdef\r\n')
                held.append(client)
        threading.Thread(target=log_in, daemon=True).start()
        silent = 'did not answer within 2 s: starting without it'
        for address, said in [(stopped, silent),
                              ('unix:path=' + listening['halfway'].getsockname(), silent),
                              ('unix:path=' + listening['full'].getsockname(), silent),
                              ('unix:path=/nonexistent', 'No session bus (')]:
            with self.subTest(address):
                start = time.monotonic()
                panel = self.session.start_panel(DBUS_SESSION_BUS_ADDRESS=address)
                self.session.window()
                self.assertLess(time.monotonic() - start, 5)
                panel.terminate()
                self.assertIn(said, panel.communicate(timeout=10)[1])

    def second_start(self, **env):
        # A second start's exit status and standard error, once it has ended within 5 s.
        start = time.monotonic()
        second = self.session.start_panel(**env)
        err = second.communicate(timeout=10)[1]
        self.assertLess(time.monotonic() - start, 5)
        return second.returncode, err

    def test_a_second_start_brings_the_first_forward_or_says_why_it_does_not_start(self):
        # The check for another panel waits 2 s at most for the bus and for the name's owner;
        # what it cannot check, or an owner that does not come forward, it says in one line.
        from gi.repository import Gio, GLib
        bus = Gio.bus_get_sync(Gio.BusType.SESSION)
        take = ('io.github.usbtavro.USB_Tavro', 4)  # the name, at once or not at all
        bus.call_sync('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                      'RequestName', GLib.Variant('(su)', take), None, 0, 2000)
        status, err = self.second_start()  # this process has no such object
        self.assertEqual(status, 1)
        self.assertRegex(err, rf'held on the session bus by process {os.getpid()} \(python3\), '
                              r'bus name :[0-9.]+, which would not come forward \(org.freedesktop.'
                              r'DBus.Error.UnknownMethod: ')
        bus.call_sync('org.freedesktop.DBus', '/org/freedesktop/DBus', 'org.freedesktop.DBus',
                      'ReleaseName', GLib.Variant('(s)', take[:1]), None, 0, 2000)

        first = self.session.start_panel()
        self.session.window()
        status, err = self.second_start(XDG_ACTIVATION_TOKEN='token-42')
        self.assertEqual(status, 0)
        self.assertRegex(err, rf'^A panel is open in this session already \(process {first.pid} '
                              r'\(usb-tavro-prefs\), bus name :[0-9.]+\): brought it forward\n$')
        os.kill(first.pid, signal.SIGSTOP)
        status, err = self.second_start()
        os.kill(first.pid, signal.SIGCONT)
        self.assertEqual(status, 1)
        self.assertRegex(err, rf'process {first.pid} \(usb-tavro-prefs\), bus name :[0-9.]+, '
                              r'which did not come forward within 2 s: not starting a second')
        first.terminate()
        self.assertIn('asked this panel to come forward with the activation token token-42\n',
                      first.communicate(timeout=10)[1])


if __name__ == '__main__':
    unittest.main()
