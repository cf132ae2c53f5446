#!/usr/bin/env python3
"""Carries translations across renamed classes and reworded source texts.

lupdate keys a message by (context, source text) and carries nothing across a rename of
either. Run `update_translations` after the change (the moved and reworded texts then stand
unfinished), then this script with the revision before the change and the renames:

  scripts/carry-translations.py --from REV [--contexts Old=New ...] [--texts MAP.json]

MAP.json holds [[context, old text, new context, new text], ...], contexts as renamed. A new message that is
unfinished takes the old translation of the text it came from: the same text under the renamed
context, or under any old context when every old translation of that text agrees. Then every
(language, translation) pair of REV is looked for in the new catalogues; those lost are listed
and the exit status is 1. The English catalogues keep only plural forms.
"""
import argparse, glob, json, os, subprocess, sys
import xml.etree.ElementTree as ET

ROOT = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
TS_DIR = 'resources/translations'


def read_messages(xml_text):
    root = ET.fromstring(xml_text)
    out = []
    for ctx in root.iter('context'):
        name = ctx.findtext('name')
        for msg in ctx.iter('message'):
            tr = msg.find('translation')
            if tr is None or tr.get('type') in ('obsolete', 'vanished'):
                continue
            forms = [f.text or '' for f in tr.findall('numerusform')]
            value = tuple(forms) if forms else (tr.text or '')
            out.append((name, msg.findtext('source'), tr.get('type') == 'unfinished', value))
    return root.get('language'), out


def old_catalogues(rev):
    names = subprocess.check_output(['git', 'ls-tree', '--name-only', rev, TS_DIR + '/'],
                                    cwd=ROOT, text=True).split()
    for path in names:
        if path.endswith('.ts'):
            yield os.path.basename(path), subprocess.check_output(
                ['git', 'show', f'{rev}:{path}'], cwd=ROOT, text=True)


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument('--from', dest='rev', required=True)
    ap.add_argument('--contexts', nargs='*', default=[])
    ap.add_argument('--texts')
    ap.add_argument('--check-only', action='store_true')
    args = ap.parse_args()
    contexts = dict(c.split('=', 1) for c in args.contexts)
    texts = {}
    if args.texts:
        for oc, os_, nc, ns in json.load(open(args.texts, encoding='utf-8')):
            texts[(oc, os_)] = (nc, ns)

    def moved(ctx, src):
        ctx = contexts.get(ctx, ctx)
        return texts.get((ctx, src), (ctx, src))

    # old: language -> {(new ctx, new src): value}, and new src -> set of values
    old_pairs, by_key, by_text = {}, {}, {}
    for _, xml_text in old_catalogues(args.rev):
        lang, msgs = read_messages(xml_text)
        for ctx, src, unfinished, value in msgs:
            if unfinished or lang == 'en':
                continue
            key = moved(ctx, src)
            old_pairs.setdefault(lang, []).append((ctx, src, key, value))
            by_key.setdefault(lang, {})[key] = value
            by_text.setdefault(lang, {}).setdefault(key[1], set()).add(value)

    filled = 0
    for path in sorted(glob.glob(os.path.join(ROOT, TS_DIR, '*.ts'))):
        tree = ET.parse(path)
        root = tree.getroot()
        lang = root.get('language')
        changed = False
        for ctx in root.iter('context'):
            name = ctx.findtext('name')
            for msg in ctx.iter('message'):
                tr = msg.find('translation')
                if tr is None or tr.get('type') != 'unfinished' or lang == 'en' or args.check_only:
                    continue
                src = msg.findtext('source')
                value = by_key.get(lang, {}).get((name, src))
                if value is None:
                    candidates = by_text.get(lang, {}).get(src, set())
                    value = next(iter(candidates)) if len(candidates) == 1 else None
                if value is None:
                    continue
                forms = tr.findall('numerusform')
                if isinstance(value, tuple) and forms:
                    for f, v in zip(forms, value):
                        f.text = v
                elif isinstance(value, str) and not forms:
                    tr.text = value
                else:
                    continue
                del tr.attrib['type']
                filled += 1
                changed = True
        if changed:
            with open(path, 'r', encoding='utf-8') as fh:
                head = fh.read().split('<TS', 1)[0]
            body = ET.tostring(root, encoding='unicode')
            with open(path, 'w', encoding='utf-8') as fh:
                fh.write(head + body + '\n')
    print(f'filled {filled} unfinished translations')

    lost = 0
    new_values = {}
    for path in glob.glob(os.path.join(ROOT, TS_DIR, '*.ts')):
        lang, msgs = read_messages(open(path, encoding='utf-8').read())
        for ctx, src, unfinished, value in msgs:
            if not unfinished:
                new_values.setdefault(lang, {})[(ctx, src)] = value
    for lang, pairs in sorted(old_pairs.items()):
        for ctx, src, key, value in pairs:
            if new_values.get(lang, {}).get(key) != value:
                lost += 1
                print(f'LOST {lang}: {ctx} / {src!r} -> {key} : {value!r}')
    print(f'{lost} (language, translation) pairs lost')
    return 1 if lost else 0


if __name__ == '__main__':
    sys.exit(main())
