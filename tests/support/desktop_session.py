"""A desktop session of a test's own: an X server (Xvfb on a display it picks), the session bus
it runs under (dbus-run-session), the accessibility bus of at-spi2-core, and the real panel."""
import os
import subprocess
import tempfile
import time


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
