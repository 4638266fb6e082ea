#!/usr/bin/python3
# The release as pilots and bench users get it: release_test.py <check> <native build> <version>.
import json, os, re, subprocess, sys, tempfile, zipfile

check, build, version = sys.argv[1:4]
source = os.path.realpath(os.path.join(os.path.dirname(__file__), "../.."))
scratch = tempfile.TemporaryDirectory()
work, gau = scratch.name, open(f"{source}/build/win32/Varek_Instr.gau", "rb").read()


def expect(holds, what, detail=""):
    print("ok: " + what if holds else "FAILED: " + what + "\n" + detail)
    holds or sys.exit(1)


def run(*words, **env):
    done = subprocess.run(words, capture_output=True, text=True, env={**os.environ, **env})
    return done.returncode, done.stdout + done.stderr


if check in ("zip", "wine32"):
    zipped = zipfile.ZipFile(f"{build}/package/Varek_Instr-{version}.zip")
    zipped.extractall(work)
if check == "reproducible":  # the win32 preset's module file, made again from a copy elsewhere
    subprocess.run(f"git ls-files -z | tar --null -T - -cf - | tar -xf - -C {work}", shell=True,
                   cwd=source, check=True)
    run("cmake", "-S", work, "-B", f"{work}/build", "-G", "Ninja", "-DCMAKE_BUILD_TYPE=Release",
        f"-DCMAKE_TOOLCHAIN_FILE={work}/cmake/mingw-i686.cmake", f"-DVAREK_NATIVE_BUILD_DIR={build}")
    built = run("cmake", "--build", f"{work}/build", "--target", "Varek_Instr", CCACHE_DISABLE="1")
    expect(built[0] == 0 and open(f"{work}/build/Varek_Instr.gau", "rb").read() == gau,
           "built again from a copy, in a fresh tree, without the compiler cache, it is the same",
           built[1][-3000:])
elif check == "zip":  # the tree a pilot copies, the module file built, and a Windows read-me
    files = {"Gauges/Varek_Instr.gau", "Varek_Instr.txt", "LICENSE", "CHANGELOG.md"}
    files |= {"Panel/" + name for name in os.listdir(f"{build}/panel")}
    expect({info.filename for info in zipped.infolist() if not info.is_dir()} == files,
           "the zip holds " + ", ".join(sorted(files)))
    expect(zipped.read("Gauges/Varek_Instr.gau") == gau, "its module file is the one built")
    named = {"ProductName": "Varek_Instr", "FileVersion": version, "ProductVersion": version}
    utf16 = lambda text: re.escape(text.encode("utf-16-le"))
    expect(all(re.search(utf16(key) + b"(\0\0)+" + utf16(value) + b"\0\0", gau)
               for key, value in named.items()), "which names itself and its version")
    text = zipped.read("Varek_Instr.txt")
    expect(text.isascii() and text.count(b"\n") == text.count(b"\r\n") > 300,
           "its read-me is ASCII text with Windows line ends")
    gauges = json.loads(run(f"{build}/bench/gauge-bench", "catalog", f"{build}/Varek_Instr.so",
                            "--json")[1])
    expect(len(gauges) == 60 and all(f"{g['position']:>3}  {g['name']}, ".encode() in text
                                     for g in gauges), "and lists all 60 gauges by position")
elif check == "wine32":  # the zipped module file in the 32-bit Windows host, where it runs
    host = f"{source}/build/win32/bench/winsmoke/winsmoke.exe"
    wine = dict(WINEPREFIX=f"{build}/wine32-prefix", WINEARCH="win32", WINEDEBUG="-all",
                DISPLAY="", WINEDLLOVERRIDES="mscoree,mshtml=", ALSA_CONFIG_PATH=
                f"/usr/share/alsa/alsa.conf:{source}/bench/winsmoke/asound-null.conf")
    probe = run("wine", host, **wine)[1]
    if "usage: winsmoke" not in probe:
        print("Skipped: 32-bit Windows programs do not run here: " + probe.strip()[-300:])
        sys.exit(77)
    run("wine", "reg", "add", r"HKCU\Software\Wine\Drivers", "/v", "Graphics", "/d", "null", "/f",
        **wine)
    status, output = run("wine", host, "Z:" + f"{work}/Gauges/Varek_Instr.gau".replace("/", "\\"),
                         **wine)
    expect(status == 0 and "the catalog lists 60 named gauges" in output,
           "the Windows host loads the zipped module file and lists its 60 gauges", output)
elif check == "install":  # gauge-bench from a fresh prefix, on what is installed beside it
    expect(run("cmake", "--install", build, "--prefix", work, "--strip")[0] == 0, "it installs")
    status, output = run(f"{work}/bin/gauge-bench", "panel", f"{work}/lib/varek_instr/Varek_Instr.so")
    expect(status == 0 and f"{work}/share/varek_instr/panel/panel.cfg" in output,
           "gauge-bench reads the installed panel with the installed module", output)
    expect(run(f"{work}/bin/gauge-bench", "--version")[1] == f"gauge-bench {version}\n",
           "and prints its version")
    leaks = run("grep", "-rlF", "-e", source, "-e", os.path.realpath(build), work)[1]
    expect(leaks == "", "no installed file names the build or source tree", leaks)
