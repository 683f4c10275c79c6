# Printing under Wine for the tests, needing no print server and no daemon.
# Sourced by tools/test.
#
# The Windows tests of printing (tests/print/win32) install a printer into the test
# prefix themselves: Wine's own PostScript driver (wineps.drv) with an A4 description
# of ours, its port a file, made the default printer (tests/support/win32/test_printer.h).
# Every job, a test's or Zefnote.exe's, is written to that file as PostScript.  The
# tests then read it back with Ghostscript (to PDF), pdftotext (text and word boxes)
# and pdftoppm (page images kept in build/<preset>/artifacts/print).  Without these
# programs the read-back tests skip and say what is missing.

zef_printer_packages=(ghostscript poppler-utils)

# Prints the Debian packages of zef_printer_packages that are not installed.
zef_printer_missing() {
  local p
  for p in "${zef_printer_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || echo "$p"
  done
}
