# The CHANGELOG read once, for the AppStream releases and debian/changelog.
#
# qv_read_changelog(FILE) sets, in the caller's scope,
#   QV_RELEASES             the versions, newest first
#   QV_RELEASE_<V>_DATE     the date of version V (YYYY-MM-DD)
#   QV_RELEASE_<V>_ITEMS    its items, each with its own line breaks
# Semicolons and brackets, which CMake's lists would take for their own,
# are held as other characters while the text is read (qv_list_safe) and put
# back by the writers (qv_list_unsafe).
string(ASCII 28 QV_OPEN_BRACKET)
string(ASCII 29 QV_CLOSE_BRACKET)
string(ASCII 30 QV_SEMICOLON)

function(qv_list_safe var)
  string(REPLACE ";" "${QV_SEMICOLON}" text "${${var}}")
  string(REPLACE "[" "${QV_OPEN_BRACKET}" text "${text}")
  string(REPLACE "]" "${QV_CLOSE_BRACKET}" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

function(qv_list_unsafe var)
  string(REPLACE "${QV_SEMICOLON}" ";" text "${${var}}")
  string(REPLACE "${QV_OPEN_BRACKET}" "[" text "${text}")
  string(REPLACE "${QV_CLOSE_BRACKET}" "]" text "${text}")
  set(${var} "${text}" PARENT_SCOPE)
endfunction()

function(qv_read_changelog file)
  file(READ ${file} text)
  qv_list_safe(text)
  string(REGEX REPLACE "\n$" "" text "${text}")
  string(REPLACE "\n" ";" lines "${text}")
  set(releases "")
  set(version "")
  set(number 0)
  foreach(line IN LISTS lines)
    math(EXPR number "${number} + 1")
    if(line MATCHES "^## ([0-9][0-9A-Za-z.+~]*) \\(([0-9][0-9][0-9][0-9]-[0-9][0-9]-[0-9][0-9])\\)$")
      set(new ${CMAKE_MATCH_1})
      set(date ${CMAKE_MATCH_2})
      if(version)
        # Newest first: a store shows the first release as the current one.
        if(NOT new VERSION_LESS version OR date STRGREATER QV_RELEASE_${version}_DATE)
          message(FATAL_ERROR "${file}:${number}: ${new} (${date}) must be older than "
                  "${version} (${QV_RELEASE_${version}_DATE}), which stands above it")
        endif()
        set(QV_RELEASE_${version}_ITEMS "${items}" PARENT_SCOPE)
      endif()
      set(version ${new})
      list(APPEND releases ${version})
      set(QV_RELEASE_${version}_DATE ${date} PARENT_SCOPE)
      set(QV_RELEASE_${version}_DATE ${date})
      set(items "")
    elseif(NOT version OR line STREQUAL "")
      # the introduction, and the blank lines between items
    elseif(line MATCHES "^- (.+)$")
      list(APPEND items "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^  ([^ ].*)$" AND items)
      list(POP_BACK items item)
      list(APPEND items "${item}\n${CMAKE_MATCH_1}")
    else()
      qv_list_unsafe(line)
      message(FATAL_ERROR "${file}:${number}: not a release heading \"## VERSION (YYYY-MM-DD)\", "
              "nor an item \"- ...\" or its continuation (two spaces in): ${line}")
    endif()
  endforeach()
  if(NOT version)
    message(FATAL_ERROR "${file} names no release")
  endif()
  set(QV_RELEASE_${version}_ITEMS "${items}" PARENT_SCOPE)
  set(QV_RELEASES "${releases}" PARENT_SCOPE)
endfunction()

# The <releases> of the AppStream metainfo.
function(qv_appstream_releases out)
  set(xml "")
  foreach(version IN LISTS QV_RELEASES)
    string(APPEND xml "    <release version=\"${version}\" date=\"${QV_RELEASE_${version}_DATE}\">\n"
           "      <description>\n        <ul>\n")
    foreach(item IN LISTS QV_RELEASE_${version}_ITEMS)
      string(REPLACE "&" "&amp;" item "${item}")
      string(REPLACE "<" "&lt;" item "${item}")
      string(REPLACE ">" "&gt;" item "${item}")
      string(REPLACE "\n" " " item "${item}")
      qv_list_unsafe(item)
      string(APPEND xml "          <li>${item}</li>\n")
    endforeach()
    string(APPEND xml "        </ul>\n      </description>\n    </release>\n")
  endforeach()
  set(${out} "${xml}" PARENT_SCOPE)
endfunction()

# debian/changelog for the package SOURCE by MAINTAINER ("Name <address>"):
# a native package, so the version is the release's own.
function(qv_debian_changelog source maintainer out)
  set(text "")
  foreach(version IN LISTS QV_RELEASES)
    execute_process(COMMAND ${CMAKE_COMMAND} -E env LC_ALL=C
                            date -u -R -d "${QV_RELEASE_${version}_DATE}"
                    OUTPUT_VARIABLE when OUTPUT_STRIP_TRAILING_WHITESPACE COMMAND_ERROR_IS_FATAL ANY)
    string(APPEND text "${source} (${version}) unstable; urgency=medium\n\n")
    foreach(item IN LISTS QV_RELEASE_${version}_ITEMS)
      string(REPLACE "\n" "\n    " item "${item}")
      qv_list_unsafe(item)
      string(APPEND text "  * ${item}\n")
    endforeach()
    string(APPEND text "\n -- ${maintainer}  ${when}\n\n")
  endforeach()
  string(REGEX REPLACE "\n$" "" text "${text}")
  set(${out} "${text}" PARENT_SCOPE)
endfunction()

# debian/changelog as the CHANGELOG of the source tree SOURCE_DIR makes it,
# with the package name and maintainer of debian/control.
function(qv_expected_debian_changelog source_dir out)
  qv_read_changelog(${source_dir}/CHANGELOG)
  file(STRINGS ${source_dir}/debian/control source REGEX "^Source: " LIMIT_COUNT 1)
  file(STRINGS ${source_dir}/debian/control maintainer REGEX "^Maintainer: " LIMIT_COUNT 1)
  string(REGEX REPLACE "^Source: *" "" source "${source}")
  string(REGEX REPLACE "^Maintainer: *" "" maintainer "${maintainer}")
  qv_debian_changelog("${source}" "${maintainer}" text)
  set(${out} "${text}" PARENT_SCOPE)
endfunction()
