# Reads resources/releases (newest first) into what the AppStream data and
# the package's change log show:
#   KAKEIBO_RELEASE_DATE   the date of the newest release, YYYY-MM-DD
#   KAKEIBO_RELEASES_XML   the <release> elements of the AppStream data
#   KAKEIBO_CHANGELOG      the change log in Debian's format
# The newest release must be the project's version, so a new version
# cannot go out without its entry.
file(STRINGS ${CMAKE_SOURCE_DIR}/resources/releases release_lines ENCODING UTF-8)
set(KAKEIBO_RELEASES_XML "")
set(KAKEIBO_CHANGELOG "")
set(release_version "")

# Closes the entry of release_version with the text gathered in release_text.
macro(kakeibo_end_release)
  if(release_version)
    string(JOIN " " text ${release_text})
    string(REPLACE "&" "&amp;" text "${text}")
    string(REPLACE "<" "&lt;" text "${text}")
    string(APPEND KAKEIBO_RELEASES_XML
           "    <release version=\"${release_version}\" date=\"${release_date}\">\n"
           "      <description><p>${text}</p></description>\n    </release>\n")
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C date -u -R -d "${release_date} 12:00"
                    OUTPUT_VARIABLE stamp OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(JOIN "\n    " body ${release_text})
    string(APPEND KAKEIBO_CHANGELOG
           "kakeibo (${release_version}) unstable; urgency=medium\n\n"
           "  * ${body}\n\n -- ${KAKEIBO_MAINTAINER}  ${stamp}\n\n")
  endif()
endmacro()

foreach(line IN LISTS release_lines)
  if(line MATCHES "^#" OR line STREQUAL "")
    continue()
  elseif(line MATCHES "^([0-9][^ ]*) ([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])$")
    kakeibo_end_release()
    if(NOT KAKEIBO_RELEASE_DATE)
      if(NOT CMAKE_MATCH_1 STREQUAL PROJECT_VERSION)
        message(FATAL_ERROR "resources/releases: the newest release is ${CMAKE_MATCH_1}, "
                            "the project's version ${PROJECT_VERSION}; add the release to the list")
      endif()
      set(KAKEIBO_RELEASE_DATE ${CMAKE_MATCH_2})
    endif()
    set(release_version ${CMAKE_MATCH_1})
    set(release_date ${CMAKE_MATCH_2})
    set(release_text "")
  elseif(line MATCHES "^  +(.+)$" AND release_version)
    list(APPEND release_text "${CMAKE_MATCH_1}")
  else()
    message(FATAL_ERROR "resources/releases: cannot read the line \"${line}\"")
  endif()
endforeach()
kakeibo_end_release()
string(STRIP "${KAKEIBO_RELEASES_XML}" KAKEIBO_RELEASES_XML)
string(PREPEND KAKEIBO_RELEASES_XML "    ")
