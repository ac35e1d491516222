# The Debian package: `cpack -G DEB` in a build configured with CMAKE_INSTALL_PREFIX=/usr.
include(GNUInstallDirs)

# Debian keeps each package's licence in /usr/share/doc/<package>/copyright.
install(FILES ${CMAKE_CURRENT_LIST_DIR}/debian-copyright
    DESTINATION ${CMAKE_INSTALL_DATADIR}/doc/tazune
    RENAME copyright)

set(CPACK_PACKAGE_NAME tazune)
set(CPACK_PACKAGE_VENDOR Velmora)
set(CPACK_PACKAGE_CONTACT Velmora)
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "typing drill with a Japanese interface")
set(CPACK_PACKAGE_DESCRIPTION
    "Tazune drills typing against the clock with questions of your own. A question file holds\n\
three graded lists of question and answer pairs; a game shows random questions of one level,\n\
each against a time bar, and an answer counts the moment the typed text equals it exactly.\n\
Results, a question editor, sound effects and a sample question file are included.")
set(CPACK_RESOURCE_FILE_LICENSE ${PROJECT_SOURCE_DIR}/LICENSE)
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_RELEASE 1)
set(CPACK_DEBIAN_PACKAGE_SECTION education)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
# Libraries the program and its sound module link come from dpkg-shlibdeps, which reads every
# ELF file in the package (libzip and libzstd for the import among them). The learning record
# and the import of packages need Qt's SQLite driver plugin, which Qt loads only at run time,
# where dpkg-shlibdeps cannot see it. Qt Charts, outside the Qt base the rest comes from, is named
# here as well.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libqt6sql6-sqlite, libqt6charts6")
# The help viewer, the Japanese font the windows ask for, Japanese texts on Qt's own buttons
# and file dialog, and the dictionaries proposed readings come from: the analysers' (their
# libraries the readings module links, which dpkg-shlibdeps finds) and the word dictionary; the
# speech synthesiser with its dictionary, and the kana-only one for a machine without a voice.
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS
    "assistant-qt6, fonts-ipafont-gothic, qt6-translations-l10n, mecab-ipadic-utf8, kakasi-dic, edict, open-jtalk, open-jtalk-mecab-naist-jdic, espeak-ng")
# The synthesiser's one packaged voice is in contrib, which a package in main may only suggest.
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "hts-voice-nitech-jp-atr503-m001")
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)

include(CPack)
