#!/usr/bin/env python3
"""Writes the demo data root data/demo: Shift-JIS text with CR LF line ends, as users prepare it.

The lines, stations and timetables are invented. Run from anywhere; the files are replaced.
"""

import datetime
import pathlib

ROOT = pathlib.Path(__file__).resolve().parent.parent / "data" / "demo"

WEEKDAYS = "[MON][TUE][WED][THU][FRI]"
SATURDAY = "[SAT]"
HOLIDAYS = "[SUN][HOL]"


def write(relative, lines):
    path = ROOT / relative
    path.parent.mkdir(parents=True, exist_ok=True)
    path.write_bytes("".join(line + "\r\n" for line in lines).encode("cp932"))


# --- Timetables --------------------------------------------------------------------------------

def hour_line(hour, departures):
    return " ".join([str(hour)] + departures)


def service(first_hour, last_hour, pattern_for_hour):
    """Hour lines from first_hour through the night: hours above 23 are written as 0, 1."""
    lines = []
    for hour in range(first_hour, last_hour + 1):
        departures = pattern_for_hour(hour)
        if departures:
            lines.append(hour_line(hour % 24, departures))
    return lines


def sakuragawa_up(day):
    """Wakabadai towards Sakuragawa-Chuo: rapid a, local b, short local c, express d."""

    def pattern(hour):
        if hour == 5:
            return ["b12", "b35", "c52"]
        if day == "weekday" and 7 <= hour <= 8:
            return ["b03", "a09", "d14", "b20", "a26", "c31", "b37", "a43", "d48", "b54"]
        if hour <= 21:
            if day == "weekday":
                return ["b05", "a15", "b25", "d35", "b45", "a55"]
            return ["b08", "a23", "b38", "d53"] if hour % 2 else ["b08", "a23", "b38", "a53"]
        if hour <= 23:
            return ["b10", "a30", "c50"]
        if hour == 24:
            return ["b10", "c35"]
        return ["c05"] if day != "holiday" else []

    return service(5, 25, pattern)


def sakuragawa_down(day):
    """Wakabadai towards Kitahama: local e, rapid f, local to Midoricho g."""

    def pattern(hour):
        if hour == 5:
            return ["g20", "e44"]
        if day == "weekday" and 17 <= hour <= 19:
            return ["e02", "f10", "g16", "e22", "f30", "g36", "e42", "f50", "e56"]
        if hour <= 22:
            if day == "weekday":
                return ["e06", "f18", "g26", "e38", "f48", "g56"]
            return ["e12", "f27", "e42", "g57"]
        if hour == 23:
            return ["e15", "g40"]
        if hour == 24:
            return ["e05", "g30"]
        return ["g15"] if day == "weekday" else []

    return service(5, 25, pattern)


def shiomi_east(day):
    """Shinonomebashi towards Shiomi-Futo: local h, express k."""

    def pattern(hour):
        if hour == 6:
            return ["h00", "h30"]
        if hour <= 20:
            return ["h05", "k20", "h35", "k50"] if day == "weekday" else ["h10", "h40", "k55"]
        if hour <= 23:
            return ["h15", "h45"]
        return ["h20"] if hour == 24 else []

    return service(6, 24, pattern)


def shiomi_west(day):
    """Shinonomebashi towards Yamatedai: local m, express n."""

    def pattern(hour):
        if hour == 6:
            return ["m12", "m42"]
        if hour <= 20:
            return ["m08", "n22", "m38", "n52"] if day == "weekday" else ["m15", "m45", "n58"]
        if hour <= 23:
            return ["m20", "m50"]
        return ["m25"] if hour == 24 else []

    return service(6, 24, pattern)


def timetable(title, revision, legend, arrivals, direction, hours):
    lines = [";" + title, ";" + revision]
    lines += [f"{mark}:{name};{short}" for mark, name, short in legend]
    lines += arrivals
    for header, day, day_name in ((WEEKDAYS, "weekday", "平日"), (SATURDAY, "saturday", "土曜"),
                                  (HOLIDAYS, "holiday", "日曜・休日")):
        lines += ["", header, f"#{day_name} {direction}", "; 時 分"]
        lines += hours(day)
    return lines


def write_timetables():
    write("wakaba_up.TBL", timetable(
        "桜川線 若葉台 桜川中央方面", "2026年3月14日改正",
        [("a", "快速 桜川中央", "快"), ("b", "普通 桜川中央", "普"),
         ("c", "普通 港南口", "港"), ("d", "急行 桜川中央", "急")],
        ["$東雲橋:+4 >shiomi\\shinonome_east.TBL a6 d5 8",
         "$港南口:a11 d9 14",
         "$桜川中央:+3 >/shiomi/shiomi.cfg a15 d12 b20",
         "$桜川中央(地下):a18 d15 b23"],
        "桜川中央方面", sakuragawa_up))
    write("wakaba_down.TBL", timetable(
        "桜川線 若葉台 北浜方面", "2026年3月14日改正",
        [("e", "普通 北浜", "普"), ("f", "快速 北浜", "快"), ("g", "普通 緑町", "緑")],
        ["$緑町:e7 f5 g7",
         "$北浜:f16 e21",
         "$北浜港フェリーターミナル:f24 e29"],
        "北浜方面", sakuragawa_down))
    write("shiomi/shinonome_east.TBL", timetable(
        "潮見線 東雲橋 潮見埠頭方面", "2026年10月1日改正",
        [("h", "普通 潮見埠頭", "普"), ("k", "急行 潮見埠頭", "急")],
        ["$海浜公園:h5 k4", "$潮見埠頭:h12 k9"],
        "潮見埠頭方面", shiomi_east))
    write("shiomi/shinonome_west.TBL", timetable(
        "潮見線 東雲橋 山手台方面", "2026年10月1日改正",
        [("m", "普通 山手台", "普"), ("n", "急行 山手台", "急")],
        ["$若葉台(乗換):+5 >\\wakaba_down.TBL m9 n7",
         "$山手台:m18 n14"],
        "山手台方面", shiomi_west))


# --- Catalogue ---------------------------------------------------------------------------------

def write_route_configs():
    write("vekt.cfg", [
        "; 時刻表の目次: 朝は桜川中央方面、午後は北浜方面を開く",
        "",
        "A>wakaba_up.TBL   : 若葉台 桜川中央方面",
        "P>wakaba_down.TBL : 若葉台 北浜方面",
        "/shiomi\\shiomi.cfg\t潮見線 東雲橋",
    ])
    write("shiomi/shiomi.cfg", [
        "; 潮見線",
        ">shinonome_east.TBL:東雲橋 潮見埠頭方面",
        "shinonome_west.TBL:東雲橋 山手台方面",
        "\\wakaba_up.TBL:若葉台 桜川中央方面 (桜川線)",
    ])


# --- Holidays ----------------------------------------------------------------------------------

def nth_monday(year, month, n):
    first = datetime.date(year, month, 1)
    return first + datetime.timedelta(days=(7 - first.weekday()) % 7 + 7 * (n - 1))


def japanese_holidays(year, vernal, autumnal):
    fixed = {
        (1, 1): "元日", (2, 11): "建国記念の日", (2, 23): "天皇誕生日", (4, 29): "昭和の日",
        (5, 3): "憲法記念日", (5, 4): "みどりの日", (5, 5): "こどもの日", (8, 11): "山の日",
        (11, 3): "文化の日", (11, 23): "勤労感謝の日",
    }
    days = {datetime.date(year, m, d): name for (m, d), name in fixed.items()}
    days[nth_monday(year, 1, 2)] = "成人の日"
    days[nth_monday(year, 7, 3)] = "海の日"
    days[nth_monday(year, 9, 3)] = "敬老の日"
    days[nth_monday(year, 10, 2)] = "スポーツの日"
    days[datetime.date(year, 3, vernal)] = "春分の日"
    days[datetime.date(year, 9, autumnal)] = "秋分の日"
    # A weekday between two holidays is a holiday too.
    one = datetime.timedelta(days=1)
    for day in list(days):
        between = day + one
        if between not in days and between + one in days and between.weekday() != 6:
            days[between] = "国民の休日"
    # A holiday on a Sunday moves to the next day that is no holiday.
    for day in sorted(days):
        if day.weekday() == 6 and days[day] != "振替休日":
            substitute = day + one
            while substitute in days:
                substitute += one
            days[substitute] = "振替休日"
    return dict(sorted(days.items()))


def write_holidays():
    lines = ["; 国民の祝日 (年の区別はなく、毎年の同じ月日に当てはまる)", "[HOL]"]
    for year, vernal, autumnal in ((2026, 20, 23), (2027, 21, 23)):
        lines.append(f"; {year}年")
        for day, name in japanese_holidays(year, vernal, autumnal).items():
            lines.append(f"{day.month}/{day.day}:{name}")
    write("Holiday.dat", lines)


# --- Colours -----------------------------------------------------------------------------------

def write_colors():
    colors = {
        "快速 桜川中央": (255, 112, 64), "急行 桜川中央": (255, 64, 64),
        "普通 港南口": (128, 208, 255), "快速 北浜": (255, 160, 64),
        "普通 緑町": (96, 224, 128), "急行 潮見埠頭": (255, 80, 160),
        "急行 山手台": (224, 96, 255),
    }
    # In the order the program writes the file, so that a save changes nothing.
    names = sorted(colors, key=lambda s: s.encode("utf-16-be"))
    write("color.ini", [f"{name}={r},{g},{b}" for name in names for r, g, b in [colors[name]]])


def main():
    write_timetables()
    write_route_configs()
    write_holidays()
    write_colors()


if __name__ == "__main__":
    main()
