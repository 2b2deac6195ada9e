#!/usr/bin/env python3
"""Mutation check: does the test suite catch each fault of scripts/faults.tsv?

Usage: scripts/mutation-check.py [--only ID,ID] [--list FILE] [--tests REGEX] [--exclude REGEX]

Clones the committed HEAD into a scratch folder, builds it once with the `default` preset, then
for each fault puts the faulty text in place of the original, rebuilds, runs the tests (stopping
at the first failure) and puts the original back. The quick tests run first and the slow ones
(key holds, the package, the desktop sessions) only when the quick ones all pass, so that a
fault most tests catch costs seconds; every fault called SURVIVED has passed the whole suite.
Prints killed (with the first test that failed) / SURVIVED / stale (the text is not in its file
exactly once) / stillborn (it does not build) for each with its time, a summary, and exits 1
unless every fault was killed. With --tests, only the tests whose names match run: which faults
do these tests catch? With --exclude, the tests whose names match do not run: would the others
catch these faults without them?
"""
import os
import subprocess
import sys
import tempfile
import time

SLOW = r'^packaging\.|KeyHold|^session$|^module_session\.|^fuzz_'


def unescape(text):
    out, i = [], 0
    while i < len(text):
        if text[i] == '\\' and i + 1 < len(text):
            out.append({'n': '\n', 't': '\t', '\\': '\\'}.get(text[i + 1], text[i + 1]))
            i += 2
        else:
            out.append(text[i])
            i += 1
    return ''.join(out)


def first_failure(command, work):
    """The name of the test that failed first, or None when all passed."""
    run = subprocess.run(command, cwd=work, capture_output=True, text=True, errors='replace')
    if run.returncode == 0:
        return None
    tail = run.stdout.rpartition('The following tests FAILED:')[2].splitlines()
    failed = [line.split(' - ', 1)[1].rsplit(' (', 1)[0] for line in tail if ' - ' in line]
    return failed[0] if failed else 'the test run'


def option(name):
    return sys.argv[sys.argv.index(name) + 1] if name in sys.argv else None


def main():
    only = option('--only')
    only = set(only.split(',')) if only else None
    tests = option('--tests')
    exclude = option('--exclude')
    top = subprocess.run(['git', 'rev-parse', '--show-toplevel'], capture_output=True, text=True,
                         check=True).stdout.strip()
    faults = []
    for line in open(option('--list') or os.path.join(top, 'scripts', 'faults.tsv'),
                     encoding='utf-8'):
        if line.strip() and not line.startswith('#'):
            fid, path, old, new = line.rstrip('\n').split('\t')
            if only is None or fid in only:
                faults.append((fid, path, unescape(old), unescape(new)))
    work = tempfile.mkdtemp(prefix='tavro-mutants-')
    subprocess.run(['git', 'clone', '-q', top, work], check=True)
    quiet = dict(cwd=work, stdout=subprocess.DEVNULL, stderr=subprocess.DEVNULL)
    # A changed shared library is loaded at run time: the programs need not be linked again.
    subprocess.run(['cmake', '--preset', 'default', '-DCMAKE_LINK_DEPENDS_NO_SHARED=ON'],
                   check=True, **quiet)
    subprocess.run(['cmake', '--build', '--preset', 'default'], check=True, **quiet)
    ctest = ['ctest', '--preset', 'default', '--stop-on-failure']
    quick = ['-E', f'({SLOW})|({exclude})' if exclude else SLOW]
    slow = ['-R', SLOW] + (['-E', exclude] if exclude else [])
    counts = {}
    for fid, path, old, new in faults:
        file = os.path.join(work, path)
        text = open(file, encoding='utf-8').read() if os.path.exists(file) else ''
        start = time.monotonic()
        if text.count(old) != 1:
            verdict = 'stale'
        else:
            open(file, 'w', encoding='utf-8').write(text.replace(old, new))
            try:
                if subprocess.run(['cmake', '--build', '--preset', 'default'], **quiet).returncode:
                    verdict = 'stillborn'
                elif killer := (first_failure(ctest + ['-R', tests], work) if tests else
                                first_failure(ctest + quick, work) or
                                first_failure(ctest + slow, work)):
                    verdict = f'killed by {killer}'
                else:
                    verdict = 'SURVIVED'
            finally:
                open(file, 'w', encoding='utf-8').write(text)
        kind = verdict.split()[0]
        counts[kind] = counts.get(kind, 0) + 1
        print(f'{fid:5} {path:40} {verdict} ({time.monotonic() - start:.0f} s)', flush=True)
    print('summary:', ', '.join(f'{n} {v}' for v, n in sorted(counts.items())), f'({work})')
    return 0 if set(counts) <= {'killed'} else 1


if __name__ == '__main__':
    sys.exit(main())
