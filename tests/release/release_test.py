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


if check in ("zip", "wine32"):  # the zip as make dist makes it, here made apart from it
    expect(run("cpack", "--config", f"{build}/CPackConfig.cmake", "-B", work)[0] == 0, "CPack")
    zipped = zipfile.ZipFile(f"{work}/Varek_Instr-{version}.zip")
    zipped.extractall(work)
if check == "reproducible":  # the win32 preset's module file, made again from a copy elsewhere
    run("sh", "-c", f"cd {source} && git ls-files -z | tar --null -T - -cf - | tar -xf - -C {work}")
    run("cmake", "-S", work, "-B", f"{work}/b", "-GNinja", "-DCMAKE_BUILD_TYPE=Release",
        f"-DCMAKE_TOOLCHAIN_FILE={work}/cmake/mingw-i686.cmake", f"-DVAREK_NATIVE_BUILD_DIR={build}")
    status, output = run("cmake", "--build", f"{work}/b", "--target", "Varek_Instr",
                         CCACHE_DISABLE="1")
    expect(status == 0, "the module file builds again from a copy, with no compiler cache", output)
    expect(open(f"{work}/b/Varek_Instr.gau", "rb").read() == gau, "byte for byte the same")
elif check == "zip":  # the tree a pilot copies, the module file built, and a Windows read-me
    files = {"Gauges/Varek_Instr.gau", "Varek_Instr.txt", "LICENSE", "CHANGELOG.md"}
    files |= {"Panel/" + name for name in os.listdir(f"{build}/panel")}
    expect({info.filename for info in zipped.infolist() if not info.is_dir()} == files,
           "the zip holds " + ", ".join(sorted(files)))
    expect(zipped.read("Gauges/Varek_Instr.gau") == gau, "its module file is the one built")
    expect(all(zipped.read(f) == open(f"{build}/panel/{f[6:]}", "rb").read() for f in files
               if f.startswith("Panel/")), "its Panel folder is the one built")
    utf16 = lambda text: re.escape(text.encode("utf-16-le"))
    expect(all(re.search(utf16(key) + b"(\0\0)+" + utf16(value) + b"\0\0", gau) for key, value in
               {"ProductName": "Varek_Instr", "FileVersion": version, "ProductVersion": version}
               .items()), "which names itself and its version")
    text = zipped.read("Varek_Instr.txt")
    expect(text.isascii() and text.count(b"\n") == text.count(b"\r\n") > 300,
           "its read-me is ASCII text with Windows line ends")
    gauges = json.loads(run(f"{build}/bench/gauge-bench", "catalog", f"{build}/Varek_Instr.so",
                            "--json")[1])
    expect(len(gauges) == 60 and all(f"{g['position']:>3}  {g['name']}, ".encode() in text
                                     for g in gauges), "and lists all 60 gauges by position")
elif check == "wine32":  # the zipped module file in the 32-bit Windows host, where it runs
    status, output = run(f"{source}/bench/winsmoke/run_under_wine.sh", "win32",
                         f"{work}/Gauges/Varek_Instr.gau")
    print(output)
    if status == 77:
        sys.exit(77)
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
