#!/usr/bin/env python3
"""Makes the program's name-day files from two tables of Polish name-day facts.

    tools/namedays/make_namedays.py TABLES [--out resources/stale] [--check] [--report]

TABLES is the folder of the two tab-separated UTF-8 tables:
  by-date.tsv     date, every name of the day (nominative), the same names in the genitive;
  main-names.tsv  date, the two or three names printed calendars show for the day (genitive).

Writes, in code page 1250 with CR LF line ends:
  Imiona_wg_dat.wps  one line per day of a leap year, "<$@$>DD.MM</$@$>" and the day's names
                     separated by "|": the calendar names first, each with a leading "@", then
                     every other name of the day;
  Imiona_index.ind   one line per name, "<$@$>name</$@$>|form|form|...|" with the nominative, the
                     genitive and both again without Polish letters.

--check compares with the files in --out instead of writing them; --report prints the names whose
genitive or nominative came from the tables below rather than from the raw tables.
Neither the build nor the programs run this; its output is committed under resources/stale/.
"""

import argparse
import datetime
import os
import re
import sys
from pathlib import Path

MARK = "<$@$>"
END_MARK = "</$@$>"

# Names of the first table spelled wrongly or not names at all (None drops the name).
NAME_FIXES = {
    "Hania": "Hanna",  # 05.01, given with the genitive Hanny
    "Wincenta": "Wincenty",  # 22.01
    "Miligost": "Miłogost",  # 08.03, given with the genitive Miłogosta
    "Jam": None,  # 05.04
    # No Polish given names: foreign names no Polish calendar gives.
    "Baldev": None,  # 26.07, an Indian name
    "Scott": None,  # 22.09, an English name
    "Kevin": None,  # 16.01, an Irish name
    "Wouter": None,  # 02.05, the Dutch form of Walter, who is given that day
    "Timur": None,  # 19.05, a Turkic name
    "Gita": None,  # 29.08, an Indian name
    "Herakles": None,  # 01.03, the hero of Greek myth, no saint's name
}

# Names added to a day: the partner of a well-known pair of saints whose feast the day is, which
# the first table gives alone.
ADDED_NAMES = {
    "14.02": ["Metody"],  # Cyryl i Metody
    "07.03": ["Perpetua"],  # Perpetua i Felicyta
    "14.04": ["Tyburcjusz"],  # Tyburcjusz i Walerian
    "06.05": ["Jakub"],  # Filip i Jakub
    "11.05": ["Jakub"],  # Filip i Jakub, their earlier feast
    "02.06": ["Marcelin"],  # Marcelin i Piotr
    "15.06": ["Modest"],  # Wit i Modest
    "18.06": ["Marcelian"],  # Marek i Marcelian
    "27.09": ["Kosma"],  # Kosma i Damian, their earlier feast
    "25.10": ["Kryspinian"],  # Kryspin i Kryspinian
}

# Genitives that the first table gives wrongly or not at all, checked by hand.
GENITIVE_FIXES = {
    "Anastazy": "Anastazego",  # given as Anastazji
    "Krystyn": "Krystyna",  # given as Krystyny
    "Mściwój": "Mściwoja",  # given as Mściwója
    "Edyta": "Edyty",  # given as Edytu
    "Szczęsna": "Szczęsnej",
    "Sylwester": "Sylwestra",  # given twice as Sylwestera
    "Abel": "Abla",  # as given, the e dropped
    # Not given:
    "Achacjusz": "Achacjusza",
    "Budzisław": "Budzisława",
    "Lechosław": "Lechosława",
    "Niemir": "Niemira",
    "Samuel": "Samuela",
    "Ścibor": "Ścibora",
    # Of the names added to a day:
    "Metody": "Metodego",
    "Tyburcjusz": "Tyburcjusza",
    "Marcelin": "Marcelina",
    "Modest": "Modesta",
    "Marcelian": "Marceliana",
    "Kosma": "Kosmy",
    "Kryspinian": "Kryspiniana",
}

# Calendar names (genitive) of the second table corrected on a day: a misspelling, a name that
# stands for one of the first table's names of the day, or None for a text that names nobody.
# A list replaces one entry by several names.
CALENDAR_FIXES = {
    ("16.01", "Mascelego"): "Marcelego",
    ("27.02", "Gagrieli"): "Gabrieli",
    ("20.02", "Lehca"): "Lecha",
    ("19.08", "Julinana"): "Juliana",
    ("15.11", "Amielii"): "Amelii",
    ("07.03", "Flicyty"): "Felicyty",
    ("04.04", "Izodory"): "Izydory",
    ("28.03", "Kasrota"): "Kastora",
    ("22.05", "Neleny"): "Heleny",
    ("11.08", "Włodzmierza"): "Włodzimierza",
    ("22.10", "Haliszki"): "Halszki",
    ("27.11", "Kseni"): "Ksenii",
    ("04.07", "Aureli"): "Aurelii",
    ("25.09", "Aureli"): "Aurelii",
    ("02.09", "Dionizy"): "Dionizego",
    ("29.12", "Dionizy"): "Dionizego",
    ("03.12", "Ksawery"): "Ksawerego",
    ("03.03", "Maryna"): "Maryny",
    ("24.07", "Krystyna"): "Krystyny",
    ("05.09", "Justyna"): "Justyny",
    ("17.03", "Zdyszka"): "Zbigniewa",
    ("17.04", "Rudolfina"): "Rudolfa",
    ("17.05", "Brunony"): "Bruna",
    ("25.05", "Marii-Magdaleny"): ["Marii", "Magdaleny"],
    ("09.06", "Anny-Marii"): None,
    ("21.07", "Wawrzyn/ca"): "Wawrzyńca",
    ("22.07", "Wawrzyn/ca"): "Wawrzyńca",
    ("10.08", "Wawrzyn/ca"): "Wawrzyńca",
    ("05.09", "Wawrzyn/ca"): "Wawrzyńca",
    ("21.09", "Wawrzyn/ca"): "Wawrzyńca",
    ("01.04", "Chryzamtyny"): None,
    ("19.04", "Alfa"): None,
    ("19.07", "Alfreny"): None,
    ("06.05", "Beniny"): None,
    ("25.08", "Belii"): None,
    ("04.06", "Christy"): None,
    ("05.05", "Irydy"): None,
    ("05.08", "Kary"): None,
    ("25.04", "Wiki"): None,
    ("07.08", "Olechny"): None,
    ("24.05", "Zdenka"): None,
    ("15.08", "Stelii"): None,
}

# Calendar names for a day the second table lacks (nominative, from the first table).
MISSING_CALENDAR_DAYS = {
    "31.10": ["Antoni", "Antonina", "Lucylla"],
}

# Names that only the second table gives: nominative and genitive, checked by hand.
CALENDAR_ONLY_NAMES = {
    "Adolfina": "Adolfiny", "Alana": "Alany", "Albertyna": "Albertyny", "Albina": "Albiny",
    "Aleksandryna": "Aleksandryny", "Alma": "Almy", "Alojzy": "Alojzego", "Amalia": "Amalii",
    "Amanda": "Amandy", "Ambroży": "Ambrożego", "Anatol": "Anatola", "Anatolia": "Anatolii",
    "Angela": "Angeli", "Aniceta": "Anicety", "Antonia": "Antonii", "Antoniusz": "Antoniusza",
    "Apolinary": "Apolinarego", "Apoloniusz": "Apoloniusza", "Areta": "Arety", "Ariadna": "Ariadny",
    "Arkadia": "Arkadii", "Arleta": "Arlety", "Arletta": "Arletty", "Artemon": "Artemona",
    "August": "Augusta", "Aurora": "Aurory", "Balladyna": "Balladyny", "Barnaba": "Barnaby",
    "Beatrycze": "Beatrycze", "Belinda": "Belindy", "Beniamina": "Beniaminy", "Benita": "Benity",
    "Benon": "Benona", "Bernadetta": "Bernadetty", "Bernardyn": "Bernardyna", "Bettina": "Bettiny",
    "Bianka": "Bianki", "Bina": "Biny", "Biruta": "Biruty", "Bolek": "Bolka", "Bona": "Bony",
    "Bonifacy": "Bonifacego", "Borysława": "Borysławy", "Brunon": "Brunona",
    "Celestyna": "Celestyny", "Celia": "Celii", "Cezaryna": "Cezaryny", "Cyrus": "Cyrusa",
    "Czasław": "Czasława", "Czech": "Czecha", "Dagna": "Dagny", "Dalia": "Dalii",
    "Dalida": "Dalidy", "Damazy": "Damazego", "Delfina": "Delfiny", "Dionizja": "Dionizji",
    "Dobrogniew": "Dobrogniewa", "Dora": "Dory", "Eligia": "Eligii", "Eligiusz": "Eligiusza",
    "Emanuela": "Emanueli", "Emiliana": "Emiliany", "Erazm": "Erazma", "Erwina": "Erwiny",
    "Estera": "Estery", "Ewaryst": "Ewarysta", "Fabiola": "Fabioli", "Felicyta": "Felicyty",
    "Fernanda": "Fernandy", "Flawia": "Flawii", "Flora": "Flory", "Florentyna": "Florentyny",
    "Fryderyka": "Fryderyki", "Gaweł": "Gawła", "Geralda": "Geraldy", "Geraldyna": "Geraldyny",
    "Gerwazy": "Gerwazego", "Gizela": "Gizeli", "Gościsława": "Gościsławy", "Gracja": "Gracji",
    "Greta": "Grety", "Gryzelda": "Gryzeldy", "Gustaw": "Gustawa", "Gwida": "Gwidy",
    "Gwidon": "Gwidona", "Halszka": "Halszki", "Helga": "Helgi", "Heloiza": "Heloizy",
    "Hermina": "Herminy", "Hilaria": "Hilarii", "Hilary": "Hilarego", "Hipolit": "Hipolita",
    "Honorata": "Honoraty", "Horacja": "Horacji", "Hugon": "Hugona", "Idzi": "Idziego",
    "Imelda": "Imeldy", "Inga": "Ingi", "Irma": "Irmy", "Irmina": "Irminy", "Irwin": "Irwina",
    "Iza": "Izy", "Izolda": "Izoldy", "Izydora": "Izydory", "Jagienka": "Jagienki",
    "Janina": "Janiny", "January": "Januarego", "Juliana": "Juliany", "Justynian": "Justyniana",
    "Kalikst": "Kaliksta", "Kamelia": "Kamelii", "Kastor": "Kastora", "Kiejstut": "Kiejstuta",
    "Kleofas": "Kleofasa", "Kleopatra": "Kleopatry", "Kryspina": "Kryspiny", "Ksawery": "Ksawerego",
    "Lamberta": "Lamberty", "Lenka": "Lenki", "Leokadia": "Leokadii", "Leoncjusz": "Leoncjusza",
    "Leonia": "Leonii", "Leontyna": "Leontyny", "Libusza": "Libuszy", "Lida": "Lidy",
    "Ligia": "Ligii", "Lilla": "Lilli", "Liwia": "Liwii", "Liza": "Lizy", "Loda": "Lody",
    "Lodomira": "Lodomiry", "Lolita": "Lolity", "Longin": "Longina", "Longina": "Longiny",
    "Lorena": "Loreny", "Loretta": "Loretty", "Lotar": "Lotara", "Lubosław": "Lubosława",
    "Ludomira": "Ludomiry", "Ludosław": "Ludosława", "Lutosława": "Lutosławy", "Magda": "Magdy",
    "Maks": "Maksa", "Malwina": "Malwiny", "Mamert": "Mamerta", "Marceli": "Marcelego",
    "Margerita": "Margerity", "Masław": "Masława", "Maura": "Maury", "Medard": "Medarda",
    "Milana": "Milany", "Milena": "Mileny", "Miła": "Miły", "Mirabela": "Mirabeli", "Mona": "Mony",
    "Nadzieja": "Nadziei", "Napoleon": "Napoleona", "Narcyza": "Narcyzy", "Nastazja": "Nastazji",
    "Niceta": "Nicety", "Nikifor": "Nikifora", "Noemi": "Noemi", "Norma": "Normy",
    "Odetta": "Odetty", "Oktawia": "Oktawii", "Olaf": "Olafa", "Olimpia": "Olimpii",
    "Oliwia": "Oliwii", "Ondraszek": "Ondraszka", "Paloma": "Palomy", "Petra": "Petry",
    "Pola": "Poli", "Prot": "Prota", "Przemiła": "Przemiły", "Przemysława": "Przemysławy",
    "Przybysław": "Przybysława", "Rajmunda": "Rajmundy", "Ramona": "Ramony", "Roberta": "Roberty",
    "Roch": "Rocha", "Romana": "Romany", "Ronald": "Ronalda", "Rosława": "Rosławy",
    "Rudolfina": "Rudolfiny", "Rufin": "Rufina", "Ruta": "Ruty", "Salomea": "Salomei",
    "Saturnin": "Saturnina", "Selma": "Selmy", "Serafin": "Serafina", "Serafina": "Serafiny",
    "Serwacy": "Serwacego", "Seweryna": "Seweryny", "Sławoj": "Sławoja", "Sonia": "Soni",
    "Sybila": "Sybili", "Sylwana": "Sylwany", "Sylwina": "Sylwiny", "Sylwiusz": "Sylwiusza",
    "Teodozja": "Teodozji", "Teofilia": "Teofilii", "Tola": "Toli", "Tycjan": "Tycjana",
    "Tytus": "Tytusa", "Urban": "Urbana", "Wadim": "Wadima", "Walenty": "Walentego",
    "Waleria": "Walerii", "Wiktoriusz": "Wiktoriusza", "Wilhelmina": "Wilhelminy",
    "Wiliana": "Wiliany", "Wirginiusz": "Wirginiusza", "Wit": "Wita", "Witalis": "Witalisa",
    "Wiwiana": "Wiwiany", "Zbysław": "Zbysława", "Zbysława": "Zbysławy", "Zdobysław": "Zdobysława",
    "Zefiryn": "Zefiryna", "Zenobia": "Zenobii", "Zorina": "Zoriny", "Zyndram": "Zyndrama",
    "Żaneta": "Żanety", "Żelisława": "Żelisławy",
}

NAME = re.compile("[A-ZĄĆĘŁŃÓŚŹŻ][a-ząćęłńóśźż]+")
POLISH_TO_ASCII = str.maketrans("ĄĆĘŁŃÓŚŹŻąćęłńóśźż", "ACELNOSZZacelnoszz")
POLISH_ORDER = "aąbcćdeęfghijklłmnńoóprsśtuvwxyzźż"


def genitive_guesses(name):
    """The genitives that the usual declension of a Polish given name allows; they only tell a
    name's genitive among the forms its day gives."""
    if name.endswith("e"):
        return [name]
    if name.endswith("a"):
        stem = name[:-1]
        if name.endswith(("aja", "oja", "eja")):
            return [name[:-2] + "i"]
        if name.endswith(("ia", "ja", "ea", "ua", "la", "ka", "ga")):
            return [stem + "i"]
        return [stem + "y"]
    if name.endswith("o"):
        return [name[:-1] + "a"]
    if name.endswith("y"):
        return [name[:-1] + "ego"]
    if name.endswith("li"):
        return [name[:-1] + "ego"]
    if name.endswith("i"):
        return [name + "ego"]
    endings = {"ek": "ka", "eł": "ła", "er": "ra", "niec": "ńca", "ec": "ca", "ój": "oja", "ń": "nia"}
    for ending, genitive in endings.items():
        if name.endswith(ending):
            return [name[: -len(ending)] + genitive, name + "a"]
    if name == "Lew":
        return ["Lwa"]
    return [name + "a"]


def split_names(field):
    """The names of a table field: separated by commas, and by blanks where a comma is missing."""
    return [word for part in field.split(",") for word in part.split()]


def read_table(path, columns):
    rows = {}
    with open(path, encoding="utf-8") as table:
        header = table.readline().rstrip("\n").split("\t")
        if len(header) != columns:
            sys.exit(f"{path}: expected {columns} columns, found {header}")
        for number, line in enumerate(table, start=2):
            fields = line.rstrip("\r\n").split("\t")
            if len(fields) != columns or fields[0] in rows:
                sys.exit(f"{path}:{number}: bad or repeated row")
            rows[fields[0]] = fields[1:]
    return rows


def calendar_days():
    day = datetime.date(2024, 1, 1)
    while day.year == 2024:
        yield day.strftime("%d.%m")
        day += datetime.timedelta(days=1)


def unique(names):
    return list(dict.fromkeys(names))


class Calendar:
    def __init__(self, tables):
        self.notes = []
        self.errors = []
        by_date = read_table(tables / "by-date.tsv", 3)
        main = read_table(tables / "main-names.tsv", 2)
        self.days = list(calendar_days())
        if set(by_date) != set(self.days):
            sys.exit(f"by-date.tsv: days missing or unknown: {sorted(set(by_date) ^ set(self.days))}")

        self.names_of_day = {}
        raw_genitives = {}
        for day in self.days:
            joined = [part.strip() for part in by_date[day][0].split(",") if len(part.split()) > 1]
            self.notes += [f"{day}: {part!r} split into {part.split()}" for part in joined]
            names = []
            for raw in split_names(by_date[day][0]):
                name = NAME_FIXES.get(raw, raw)
                if name != raw:
                    self.notes.append(f"{day}: {raw} " + ("dropped" if name is None else f"read as {name}"))
                if name is not None:
                    names.append(name)
            for name in ADDED_NAMES.get(day, []):
                if name in names:
                    sys.exit(f"{day}: {name} is to be added but the table gives it")
                self.notes.append(f"{day}: {name} added")
                names.append(name)
            self.names_of_day[day] = unique(names)
            raw_genitives[day] = split_names(by_date[day][1])
        self.genitive = self._genitives(raw_genitives)
        for name, genitive in CALENDAR_ONLY_NAMES.items():
            if name in self.genitive:
                sys.exit(f"{name}: in the first table and among the calendar-only names")
            self.genitive[name] = genitive

        self.principal = {}
        for day in self.days:
            if day in main:
                self.principal[day] = unique(self._calendar_names(day, main[day][0]))
            else:
                self.principal[day] = MISSING_CALENDAR_DAYS[day]
                self.notes.append(f"{day}: calendar names chosen from the first table")
            for name in self.principal[day]:
                if name not in self.genitive:
                    self.errors.append(f"{day}: no genitive for {name}")
        self.errors += [f"{day}: {name!r} is not a name" for day in self.days
                        for name in self.principal[day] + self.names_of_day[day] if not NAME.fullmatch(name)]
        used = {n for names in self.principal.values() for n in names}
        self.errors += [f"{name}: calendar-only name on no day" for name in CALENDAR_ONLY_NAMES if name not in used]
        self.errors += [f"{day} {raw}: correction of a calendar name it does not give"
                        for day, raw in CALENDAR_FIXES if raw not in [p.strip() for p in main[day][0].split(",")]]
        if self.errors:
            sys.exit("\n".join(self.errors))

    def _genitives(self, raw_genitives):
        """Every name's genitive: the form its days give that the declension allows, else the
        hand-checked one. Fails on a name without one or with two."""
        found = {}
        for day in self.days:
            for name in self.names_of_day[day]:
                guesses = genitive_guesses(name)
                found.setdefault(name, set()).update(g for g in raw_genitives[day] if g in guesses)
        genitive = {}
        unknown = []
        for name, forms in found.items():
            if name in GENITIVE_FIXES:
                genitive[name] = GENITIVE_FIXES[name]
                self.notes.append(f"{name}: genitive {GENITIVE_FIXES[name]} (tables: {sorted(forms) or '-'})")
            elif len(forms) == 1:
                genitive[name] = forms.pop()
            else:
                unknown.append(f"{name} {sorted(forms)} guess {genitive_guesses(name)}")
        if unknown:
            sys.exit("no single genitive for:\n  " + "\n  ".join(unknown))
        return genitive

    def _calendar_names(self, day, field):
        """The calendar names of a day in the nominative."""
        by_genitive = {}
        for name, genitive in self.genitive.items():
            by_genitive.setdefault(genitive, []).append(name)
        names = []
        for raw in [part.strip() for part in field.split(",")]:
            fixed = CALENDAR_FIXES.get((day, raw), raw)
            if fixed != raw:
                self.notes.append(f"{day}: calendar name {raw} " + ("dropped" if fixed is None else f"read as {fixed}"))
            for genitive in fixed if isinstance(fixed, list) else [] if fixed is None else [fixed]:
                same_day = [n for n in self.names_of_day[day] if self.genitive[n] == genitive]
                anywhere = by_genitive.get(genitive, [])
                choice = same_day or anywhere
                if len(choice) != 1:
                    self.errors.append(f"{day}: calendar name {genitive}: nominative unknown or ambiguous {choice}")
                    continue
                names.append(choice[0])
        return names

    def date_lines(self):
        lines = []
        for day in self.days:
            principal = self.principal[day]
            further = [n for n in self.names_of_day[day] if n not in principal]
            names = ["@" + n for n in principal] + further
            lines.append(f"{MARK}{day}{END_MARK}" + "|".join(names))
        return lines

    def index_lines(self):
        used = unique([n for day in self.days for n in self.principal[day] + self.names_of_day[day]])
        lines = []
        for name in sorted(used, key=polish_sort_key):
            forms = unique([name, self.genitive[name]])
            forms = unique(forms + [f.translate(POLISH_TO_ASCII) for f in forms])
            lines.append(f"{MARK}{name}{END_MARK}|" + "|".join(forms) + "|")
        return lines


def polish_sort_key(name):
    return [POLISH_ORDER.index(c) if c in POLISH_ORDER else 100 + ord(c) for c in name.lower()]


def file_bytes(lines):
    return "".join(line + "\r\n" for line in lines).encode("cp1250")


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("tables", type=Path)
    parser.add_argument("--out", type=Path, default=Path(__file__).resolve().parents[2] / "resources" / "stale")
    parser.add_argument("--check", action="store_true")
    parser.add_argument("--report", action="store_true")
    args = parser.parse_args()

    calendar = Calendar(args.tables)
    if args.report:
        print("\n".join(calendar.notes))
    outputs = {
        "Imiona_wg_dat.wps": file_bytes(calendar.date_lines()),
        "Imiona_index.ind": file_bytes(calendar.index_lines()),
    }
    differs = False
    for file_name, data in outputs.items():
        path = args.out / file_name
        if args.check:
            if not path.exists() or path.read_bytes() != data:
                print(f"{path} differs from what the tables give")
                differs = True
        else:
            args.out.mkdir(parents=True, exist_ok=True)
            temporary = path.with_name(path.name + ".tmp")
            temporary.write_bytes(data)
            os.replace(temporary, path)
    return 1 if differs else 0


if __name__ == "__main__":
    sys.exit(main())
