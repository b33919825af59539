#!/usr/bin/env python3
"""Validates JSON reports against the report's schema: valider.py SCHEMA FILE_OR_FOLDER...

Each report must validate, and every object that holds a null must say why in a non-empty "raison".
Exits 1, naming each fault, when any report fails."""
import json
import pathlib
import sys

import jsonschema


def nuls_expliques(valeur, ou, fautes):
    if isinstance(valeur, list):
        for i, v in enumerate(valeur):
            nuls_expliques(v, f"{ou}/{i}", fautes)
    elif isinstance(valeur, dict):
        if any(v is None for v in valeur.values()) and not valeur.get("raison"):
            fautes.append(f"{ou or '/'}: a null without a raison")
        for cle, v in valeur.items():
            nuls_expliques(v, f"{ou}/{cle}", fautes)


def main():
    schema = json.loads(pathlib.Path(sys.argv[1]).read_text(encoding="utf-8"))
    jsonschema.Draft7Validator.check_schema(schema)
    validateur = jsonschema.Draft7Validator(schema)
    fichiers = []
    for nom in sys.argv[2:]:
        chemin = pathlib.Path(nom)
        fichiers += sorted(chemin.glob("*.json")) if chemin.is_dir() else [chemin]
    if not fichiers:
        print("no report to validate", file=sys.stderr)
        return 1
    fautes = 0
    for fichier in fichiers:
        octets = fichier.read_bytes()
        problemes = []
        if octets.startswith(b"\xef\xbb\xbf"):
            problemes.append("starts with a BOM")
        rapport = json.loads(octets.decode("utf-8"))
        problemes += [f"/{'/'.join(map(str, e.path))}: {e.message}" for e in validateur.iter_errors(rapport)]
        nuls_expliques(rapport, "", problemes)
        for p in problemes:
            print(f"{fichier.name}: {p}", file=sys.stderr)
        fautes += bool(problemes)
    print(f"{len(fichiers) - fautes} of {len(fichiers)} reports valid")
    return 1 if fautes else 0


if __name__ == "__main__":
    sys.exit(main())
