# Read by cpack before it packs: a builder's SOURCE_DATE_EPOCH wins, else the changelog's date.
if(NOT DEFINED ENV{SOURCE_DATE_EPOCH})
    set(ENV{SOURCE_DATE_EPOCH} "${CPACK_ROTATION_CHANGELOG_EPOCH}")
endif()
