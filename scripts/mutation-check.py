#!/usr/bin/env python3
"""Mutation check: does the test suite catch each fault of scripts/faults.tsv?

Usage: scripts/mutation-check.py [--only ID,ID]

Clones the committed HEAD into a scratch folder, builds it once with the `default` preset, then
for each fault puts the faulty text in place of the original, rebuilds, runs the tests (stopping
at the first failure) and puts the original back. Prints killed / SURVIVED / stale (the text is
not in its file exactly once) / stillborn (it does not build) for each, and exits 1 unless every
fault was killed. Takes some ten seconds a fault once built.
"""
import os
import subprocess
import sys
import tempfile


def unescape(text):
    return text.encode().decode('unicode_escape')


def main():
    only = None
    if '--only' in sys.argv:
        only = set(sys.argv[sys.argv.index('--only') + 1].split(','))
    top = subprocess.run(['git', 'rev-parse', '--show-toplevel'], capture_output=True, text=True,
                         check=True).stdout.strip()
    faults = []
    for line in open(os.path.join(top, 'scripts', 'faults.tsv'), encoding='utf-8'):
        if line.strip() and not line.startswith('#'):
            fid, path, old, new = line.rstrip('\n').split('\t')
            if only is None or fid in only:
                faults.append((fid, path, unescape(old), unescape(new)))
    work = tempfile.mkdtemp(prefix='tavro-mutants-')
    subprocess.run(['git', 'clone', '-q', top, work], check=True)
    quiet = dict(cwd=work, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    subprocess.run(['cmake', '--preset', 'default'], check=True, **quiet)
    subprocess.run(['cmake', '--build', '--preset', 'default'], check=True, **quiet)
    survivors = 0
    for fid, path, old, new in faults:
        file = os.path.join(work, path)
        text = open(file, encoding='utf-8').read()
        if text.count(old) != 1:
            verdict = 'stale'
        else:
            open(file, 'w', encoding='utf-8').write(text.replace(old, new))
            try:
                if subprocess.run(['cmake', '--build', '--preset', 'default'], **quiet).returncode:
                    verdict = 'stillborn'
                else:
                    tests = subprocess.run(['ctest', '--preset', 'default', '--stop-on-failure'],
                                           **quiet)
                    verdict = 'killed' if tests.returncode else 'SURVIVED'
            finally:
                open(file, 'w', encoding='utf-8').write(text)
        survivors += verdict != 'killed'
        print(f'{fid:5} {path:40} {verdict}', flush=True)
    return 1 if survivors else 0


if __name__ == '__main__':
    sys.exit(main())
