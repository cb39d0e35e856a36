# docs/changelog, in Debian's format, is the one place for the version and the release date: its
# top entry, "rotation (<version>) ..." up to its " -- <maintainer>  <date>" line, gives the
# project's version (changelog_version) and the package's time stamps (changelog_epoch).
set(changelog "${CMAKE_CURRENT_SOURCE_DIR}/docs/changelog")
file(STRINGS "${changelog}" changelog_top LIMIT_COUNT 1)
if(NOT changelog_top MATCHES "^rotation \\(([0-9]+\\.[0-9]+\\.[0-9]+)\\) ")
    message(FATAL_ERROR "docs/changelog does not start with \"rotation (<version>) ...\"")
endif()
set(changelog_version "${CMAKE_MATCH_1}")

file(STRINGS "${changelog}" changelog_trailers REGEX "^ -- ")
list(GET changelog_trailers 0 top_trailer)
string(REGEX REPLACE "^.*>  " "" changelog_date "${top_trailer}")
execute_process(
    COMMAND date --utc --date "${changelog_date}" +%s
    OUTPUT_VARIABLE changelog_epoch
    OUTPUT_STRIP_TRAILING_WHITESPACE
    RESULT_VARIABLE failed)
if(failed)
    message(FATAL_ERROR "docs/changelog: cannot read the date \"${changelog_date}\"")
endif()
