# The program as a desktop citizen and as a Debian package: the reference
# pages, the desktop's files, the documents every package carries, and
# CPack's DEB generator over the same install rules that `make install`
# runs, so the package and an install into a prefix hold the same files.
include(GNUInstallDirs)

set(KAKEIBO_MAINTAINER "Mirab Household Book developers <kakeibo@mirab.jp>"
    CACHE STRING "the package's maintainer, as Name <address>")
set(KAKEIBO_HOMEPAGE "https://kakeibo.mirab.jp"
    CACHE STRING "the program's home page; the AppStream screenshots are under <home page>/screenshots")

include(${CMAKE_CURRENT_LIST_DIR}/Releases.cmake)
add_subdirectory(reference)
add_subdirectory(resources)

# Every package carries its copyright and its change log.
set(doc_dir ${CMAKE_INSTALL_DATADIR}/doc/kakeibo)
set(generated ${CMAKE_BINARY_DIR}/packaging)
configure_file(${CMAKE_SOURCE_DIR}/resources/copyright ${generated}/copyright @ONLY)
file(WRITE ${generated}/changelog "${KAKEIBO_CHANGELOG}")
add_custom_command(
  OUTPUT ${generated}/changelog.gz
  COMMAND gzip -9nkf changelog
  WORKING_DIRECTORY ${generated}
  DEPENDS ${generated}/changelog ${CMAKE_SOURCE_DIR}/resources/releases
  COMMENT "Compressing the change log")
add_custom_target(changelog ALL DEPENDS ${generated}/changelog.gz)
install(FILES ${generated}/copyright ${generated}/changelog.gz DESTINATION ${doc_dir})

# The Debian package: `make deb` gives dist/kakeibo_<version>_<arch>.deb.
execute_process(COMMAND dpkg --print-architecture OUTPUT_VARIABLE deb_arch OUTPUT_STRIP_TRAILING_WHITESPACE)
set(CPACK_GENERATOR DEB)
set(CPACK_PACKAGE_NAME kakeibo)
set(CPACK_PACKAGE_VERSION ${PROJECT_VERSION})
set(CPACK_PACKAGE_CONTACT "${KAKEIBO_MAINTAINER}")
set(CPACK_PACKAGING_INSTALL_PREFIX /usr)
set(CPACK_OUTPUT_FILE_PREFIX ${CMAKE_SOURCE_DIR}/dist)
set(CPACK_PACKAGE_DIRECTORY ${CMAKE_BINARY_DIR}/cpack)
# The RelWithDebInfo build's programs go in without their debugging data.
set(CPACK_STRIP_FILES ON)
set(CPACK_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
set(CPACK_DEBIAN_FILE_NAME kakeibo_${PROJECT_VERSION}_${deb_arch}.deb)
set(CPACK_DEBIAN_PACKAGE_ARCHITECTURE ${deb_arch})
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "${KAKEIBO_MAINTAINER}")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_PRIORITY optional)
set(CPACK_DEBIAN_PACKAGE_HOMEPAGE "${KAKEIBO_HOMEPAGE}")
set(CPACK_DEBIAN_COMPRESSION_TYPE xz)
set(CPACK_DEBIAN_PACKAGE_CONTROL_STRICT_PERMISSION ON)
# The libraries' packages come from dpkg-shlibdeps; what the programs load
# by name at run time is added: CUPS for the printer queues, a Japanese font
# for every text, and Qt's Japanese texts for its own dialogs and menus.
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)
set(CPACK_DEBIAN_PACKAGE_DEPENDS "libcups2, fonts-ipafont-gothic | fonts-noto-cjk, qt6-translations-l10n")
set(CPACK_DEBIAN_PACKAGE_RECOMMENDS "fonts-ipafont-mincho | fonts-noto-cjk")
set(CPACK_DEBIAN_PACKAGE_SUGGESTS "ibus-mozc | fcitx5-mozc | ibus-anthy | fcitx5-anthy")
set(CPACK_DEBIAN_PACKAGE_DESCRIPTION [=[household account book with a Japanese interface
Mirab Household Book (みらぶの家計簿) is a household account book (kakeibo)
for the desktop. Every day has a card with what was spent, what came in and
what moved between cash, up to four bank accounts and savings. The book
tallies each day against monthly budgets, carries the balances from day to
day, and sums up weeks, fiscal months and years. A credit-card record, memos,
a notes page, text exports, printing, a calculator and a calendar come with
it, and the command-line tool kakeibo-cli drives the same book from scripts.
.
日本語の家計簿です。毎日のカードに支出・収入・口座の出し入れを書くと、
月の予算と照らし合わせて集計し、残高を日から日へ引き継ぎます。週間・月間・
年間の集計、クレジット記録、メモ、印刷、電卓を備え、コマンドラインツール
kakeibo-cli でも同じ家計簿を扱えます。]=])
include(CPack)
