# Writes debian/changelog from the CHANGELOG (scripts/debian-changelog):
#   cmake -P dist/DebianChangelog.cmake
get_filename_component(source_dir ${CMAKE_CURRENT_LIST_DIR}/.. ABSOLUTE)
include(${CMAKE_CURRENT_LIST_DIR}/Changelog.cmake)
qv_expected_debian_changelog(${source_dir} text)
file(WRITE ${source_dir}/debian/changelog "${text}")
