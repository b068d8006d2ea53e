# The same bytes from the same source, wherever and whenever it is built:
# every time the packages carry is SOURCE_DATE_EPOCH, taken from the last
# commit when it is not set, and no path of the build's own folders gets
# into what it makes.
if(DEFINED ENV{SOURCE_DATE_EPOCH})
  set(DELARTAL_SOURCE_DATE_EPOCH $ENV{SOURCE_DATE_EPOCH})
else()
  # The source's own history, not that of a repository it was unpacked in.
  execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} rev-parse --show-toplevel
                  OUTPUT_VARIABLE git_top OUTPUT_STRIP_TRAILING_WHITESPACE ERROR_QUIET)
  file(REAL_PATH "${PROJECT_SOURCE_DIR}" source_dir)
  set(DELARTAL_SOURCE_DATE_EPOCH "")
  if(git_top AND EXISTS "${git_top}")
    file(REAL_PATH "${git_top}" git_top)
  endif()
  if(git_top STREQUAL source_dir)
    execute_process(COMMAND git -C ${PROJECT_SOURCE_DIR} log -1 --format=%ct
                    OUTPUT_VARIABLE DELARTAL_SOURCE_DATE_EPOCH OUTPUT_STRIP_TRAILING_WHITESPACE
                    ERROR_QUIET)
  endif()
  if(NOT DELARTAL_SOURCE_DATE_EPOCH)
    # A tarball without git: the time of its top file, which unpacking keeps.
    file(TIMESTAMP ${PROJECT_SOURCE_DIR}/CMakeLists.txt DELARTAL_SOURCE_DATE_EPOCH "%s" UTC)
    message(STATUS "No git history: SOURCE_DATE_EPOCH=${DELARTAL_SOURCE_DATE_EPOCH}, "
                   "the time of CMakeLists.txt")
  endif()
endif()
if(NOT DELARTAL_SOURCE_DATE_EPOCH MATCHES "^[0-9]+$")
  message(FATAL_ERROR "SOURCE_DATE_EPOCH must be whole seconds, not ${DELARTAL_SOURCE_DATE_EPOCH}")
endif()

if(CMAKE_CXX_COMPILER_ID MATCHES "GNU|Clang")
  add_compile_options(-ffile-prefix-map=${PROJECT_SOURCE_DIR}=.
                      -ffile-prefix-map=${PROJECT_BINARY_DIR}=.)
endif()

# Folders an install makes get these modes whatever the umask.
set(CMAKE_INSTALL_DEFAULT_DIRECTORY_PERMISSIONS
    OWNER_READ OWNER_WRITE OWNER_EXECUTE GROUP_READ GROUP_EXECUTE WORLD_READ WORLD_EXECUTE)
