#!/usr/bin/python3
"""Peer timing for bench_similarity: ASE's OFPComparator on the same candidates.

Reads every candidate_*.cif in DIRECTORY (written by bench_similarity's
writeCandidateFiles, P 1 with every unit-cell atom), then times, as our
similarity command does, one fingerprint per structure followed by the cosine
distance of every unordered pair. Reading the files is not timed, as our
benchmark does not time making its candidates either.

Prints one JSON object: structures, atoms per structure, the comparator's
parameters, fingerprint seconds, matrix seconds, total seconds.

Usage: /usr/bin/python3 bench/ase_ofp_reference.py DIRECTORY [--rcut 10]
"""

import argparse
import glob
import json
import os
import sys
import time

from ase.ga.ofp_comparator import OFPComparator
import ase.io


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("directory")
    parser.add_argument("--rcut", type=float, default=10.0)
    args = parser.parse_args()

    files = sorted(glob.glob(os.path.join(args.directory, "candidate_*.cif")))
    if not files:
        sys.exit("no candidate_*.cif in " + args.directory)
    structures = [ase.io.read(path, format="cif") for path in files]
    atoms_per_structure = len(structures[0])
    if any(len(s) != atoms_per_structure for s in structures):
        sys.exit("candidates differ in atom count")

    # Every atom is compared (n_top = the atom count), periodic in all three
    # directions; every other parameter at the constructor's default.
    parameters = dict(n_top=atoms_per_structure, rcut=args.rcut, pbc=True)
    comparator = OFPComparator(**parameters)

    start = time.perf_counter()
    fingerprints = [comparator._take_fingerprints(s) for s in structures]
    fingerprinted = time.perf_counter()
    n = len(structures)
    distances = [[0.0] * n for _ in range(n)]
    for i in range(n):
        fp_i, typedic_i = fingerprints[i]
        for j in range(i + 1, n):
            d = comparator._cosine_distance(fp_i, fingerprints[j][0], typedic_i)
            distances[i][j] = distances[j][i] = d
    finished = time.perf_counter()

    # The public pairwise call must agree with the split one timed above.
    check = OFPComparator(**parameters)._compare_structure(structures[0].copy(), structures[1].copy())
    if n > 1 and abs(check - distances[0][1]) > 1e-9:
        sys.exit("pairwise check failed: %r vs %r" % (check, distances[0][1]))

    effective = {
        name: getattr(comparator, name)
        for name in ("n_top", "dE", "cos_dist_max", "rcut", "binwidth", "sigma", "nsigma", "pbc", "maxdims")
        if hasattr(comparator, name)
    }
    print(json.dumps({
        "structures": n,
        "atoms": atoms_per_structure,
        "parameters": {k: (list(v) if hasattr(v, "__len__") and not isinstance(v, str) else v)
                       for k, v in effective.items()},
        "fingerprint_seconds": fingerprinted - start,
        "matrix_seconds": finished - fingerprinted,
        "total_seconds": finished - start,
        "pairs": n * (n - 1) // 2,
        "mean_distance": sum(map(sum, distances)) / max(1, n * (n - 1)),
    }, default=lambda v: v.tolist() if hasattr(v, "tolist") else str(v)))


if __name__ == "__main__":
    main()
