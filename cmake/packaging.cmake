# `cpack -G DEB` in a release build directory makes rotation_<version>_<arch>.deb.
set(CPACK_PACKAGE_NAME rotation)
set(CPACK_PACKAGE_VENDOR "The rotation developers")
set(CPACK_PACKAGE_DESCRIPTION_SUMMARY "print the power profile of one rotation")
set(CPACK_PACKAGE_DESCRIPTION
    "rotation prints the power profile of one rotation of 320 angle units with
a peak power of 100: a level that rises by a constant step over the first
half of the rotation and falls back over the second half, one row per angle
unit with two decimals, between the banners Debut and Fin. It then idles
until it is ended from outside.")
set(CPACK_RESOURCE_FILE_LICENSE "${PROJECT_SOURCE_DIR}/LICENSE")
set(CPACK_STRIP_FILES ON)

set(CPACK_DEBIAN_FILE_NAME DEB-DEFAULT)
set(CPACK_DEBIAN_PACKAGE_MAINTAINER "The rotation developers <rotation@example.org>")
set(CPACK_DEBIAN_PACKAGE_SECTION utils)
set(CPACK_DEBIAN_PACKAGE_SHLIBDEPS ON)

# The package's bytes depend on the sources alone: its time stamps are SOURCE_DATE_EPOCH when the
# builder sets it, else the date of the changelog's top entry, as Debian's own tools do.
set(CPACK_ROTATION_CHANGELOG_EPOCH "${changelog_epoch}")
set(CPACK_PROJECT_CONFIG_FILE "${PROJECT_SOURCE_DIR}/cmake/source-date-epoch.cmake")

include(CPack)
