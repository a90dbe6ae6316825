# SPDX-License-Identifier: GPL-3.0-or-later
# Read by cpack when it makes the package: the version from the source tree's
# last commit, and the documents that carry it or that Debian wants
# compressed, written where cmake/package.cmake installs them.
set(source ${CPACK_FOTOBAKO_SOURCE_DIR})
execute_process(COMMAND ${source}/scripts/package_version.sh ${CPACK_FOTOBAKO_RELEASE} ${source}
                OUTPUT_VARIABLE CPACK_PACKAGE_VERSION OUTPUT_STRIP_TRAILING_WHITESPACE
                COMMAND_ERROR_IS_FATAL ANY)
set(CPACK_DEBIAN_PACKAGE_VERSION ${CPACK_PACKAGE_VERSION})
execute_process(COMMAND ${source}/scripts/package_docs.sh ${CPACK_PACKAGE_VERSION} ${source}
                        ${CPACK_FOTOBAKO_DOCS_DIR}
                COMMAND_ERROR_IS_FATAL ANY)
