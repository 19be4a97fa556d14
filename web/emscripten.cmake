# SPDX-FileCopyrightText: 2026 tessk-research developers
# SPDX-License-Identifier: MIT
# The web build's toolchain: Debian's emscripten, with its cache in a folder of ours outside the
# checkout. Debian ships the cache built and frozen in /usr/share/emscripten/cache, where only
# root may take its lock; ours links to that cache's libraries and holds the lock itself, so any
# user builds, and later builds reuse it. The node tools the linker runs at -O2 need NODE_PATH.
if(DEFINED ENV{XDG_CACHE_HOME} AND NOT "$ENV{XDG_CACHE_HOME}" STREQUAL "")
    set(tessk_cache_home $ENV{XDG_CACHE_HOME})
else()
    set(tessk_cache_home $ENV{HOME}/.cache)
endif()
set(TESSK_EM_CACHE ${tessk_cache_home}/tessk-research/emscripten)
set(debian_cache /usr/share/emscripten/cache)
if(NOT EXISTS ${debian_cache}/sysroot_install.stamp)
    message(FATAL_ERROR "${debian_cache} holds no built emscripten libraries: is Debian's emscripten installed?")
endif()
file(MAKE_DIRECTORY ${TESSK_EM_CACHE})
foreach(part sysroot build)
    if(NOT EXISTS ${TESSK_EM_CACHE}/${part})
        file(CREATE_LINK ${debian_cache}/${part} ${TESSK_EM_CACHE}/${part} SYMBOLIC)
    endif()
endforeach()
file(COPY ${debian_cache}/sysroot_install.stamp DESTINATION ${TESSK_EM_CACHE})

set(ENV{EM_CACHE} ${TESSK_EM_CACHE})
set(ENV{NODE_PATH} /usr/share/nodejs)
include(/usr/share/emscripten/cmake/Modules/Platform/Emscripten.cmake)
# The build runs em++ in an environment of its own: the same two variables reach it this way.
set(tessk_em_env ${CMAKE_COMMAND} -E env EM_CACHE=${TESSK_EM_CACHE} NODE_PATH=/usr/share/nodejs)
set(CMAKE_CXX_COMPILER_LAUNCHER ${tessk_em_env})
set(CMAKE_CXX_LINKER_LAUNCHER ${tessk_em_env})
