#!/usr/bin/env python3
"""Makes a synthetic folder tree for the benchmark: FOLDERS folders three
levels deep below ROOT and FILES empty files spread over them, a mix of
camera pictures, web images, HTML pages and other files, some names Japanese.
The same arguments always give the same tree.

usage: make_tree.py ROOT FOLDERS FILES
"""

import os
import random
import sys

# (weight, name pattern): {n} is a running number.
FILE_KINDS = [
    (30, "IMG_{n:04d}.JPG"),
    (12, "DSC{n:05d}.jpg"),
    (4, "photo {n}.jpeg"),
    (3, "写真{n:03d}.jpg"),
    (12, "image{n}.png"),
    (3, "スクリーンショット {n}.PNG"),
    (4, "anim{n}.gif"),
    (1, "scan{n}.bmp"),
    (6, "page{n}.htm"),
    (3, "doc_{n}.html"),
    (1, "目次{n}.htm"),
    (8, "notes{n}.txt"),
    (4, "data{n}.zip"),
    (3, "track{n}.mp3"),
    (3, "report {n}.pdf"),
    (2, "movie{n}.mp4"),
    (1, "Thumbs{n}.db"),
]
FOLDER_NAMES = ["2019", "2020", "2021", "旅行", "family", "work", "Photos", "素材", "backup", "html", "img", "web"]


def folder_name(rng, index):
    return "%s %d" % (rng.choice(FOLDER_NAMES), index)


def make_tree(root, folder_count, file_count, seed=1):
    rng = random.Random(seed)
    fan_out = max(1, round(folder_count ** (1 / 3)))
    level1 = min(folder_count, fan_out)
    level2 = min(folder_count - level1, fan_out * fan_out)
    folders = []
    os.makedirs(root)
    for i in range(level1):
        folders.append(os.path.join(root, folder_name(rng, i)))
    for i in range(level2):
        folders.append(os.path.join(folders[i % level1], folder_name(rng, i)))
    parents = folders[level1:] or folders
    for i in range(folder_count - level1 - level2):
        folders.append(os.path.join(parents[i % len(parents)], folder_name(rng, i)))
    for folder in folders:
        os.makedirs(folder)

    # A few folders hold nothing to show, as in real trees (downloads, music).
    plain = set(rng.sample(range(len(folders)), len(folders) // 20))
    targets = [root] + folders
    weights = [w for w, _ in FILE_KINDS]
    patterns = [p for _, p in FILE_KINDS]
    other = [p for p in patterns if not p.lower().endswith((".jpg", ".jpeg", ".png", ".gif", ".bmp", ".htm", ".html"))]
    for n in range(file_count):
        index = rng.randrange(len(targets))
        pattern = rng.choices(patterns, weights)[0]
        if index - 1 in plain:
            pattern = rng.choice(other)
        path = os.path.join(targets[index], pattern.format(n=n))
        os.close(os.open(path, os.O_WRONLY | os.O_CREAT | os.O_EXCL, 0o644))


def main():
    if len(sys.argv) != 4:
        sys.exit(__doc__)
    make_tree(sys.argv[1], int(sys.argv[2]), int(sys.argv[3]))


if __name__ == "__main__":
    main()
