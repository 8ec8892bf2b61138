# Fails when a folder of src/ includes a folder above it. The folders depend
# one way, from the program's entry down to the platform:
#   app -> menu -> session -> pictures -> settings, media, input -> platform
# A folder may include itself and any folder below it; settings, media,
# input, users, records and camera stand side by side. Run as: cmake -DSRC=<src folder> -P check_layers.cmake
set(rank_platform 0)
set(rank_settings 1)
set(rank_media 1)
set(rank_input 1)
set(rank_users 1)    # who is colouring: their folder under users/
set(rank_records 1)  # what was coloured: gallery pictures, progress rows
set(rank_camera 1)   # a webcam as a switch, read by input
set(rank_pictures 2)
set(rank_session 3)
set(rank_menu 4)
set(rank_app 5)

file(GLOB_RECURSE sources "${SRC}/*.h" "${SRC}/*.cpp")
set(problems "")
foreach(file IN LISTS sources)
  file(RELATIVE_PATH relative "${SRC}" "${file}")
  string(REGEX MATCH "^[^/]+" folder "${relative}")
  if(NOT DEFINED rank_${folder})
    string(APPEND problems "  ${relative}: the folder ${folder} has no place in the order\n")
    continue()
  endif()
  file(STRINGS "${file}" includes REGEX "^[ \t]*#[ \t]*include[ \t]+\"[^\"]+\"")
  foreach(line IN LISTS includes)
    string(REGEX REPLACE ".*\"([^\"]+)\".*" "\\1" target "${line}")
    string(REGEX MATCH "^[^/]+" target_folder "${target}")
    if(target STREQUAL target_folder)
      continue()  # a file beside it, or a generated one
    endif()
    if(NOT DEFINED rank_${target_folder})
      string(APPEND problems "  ${relative} includes ${target}, outside the program's folders\n")
    elseif(rank_${target_folder} GREATER rank_${folder})
      string(APPEND problems "  ${relative} (${folder}) includes ${target} (${target_folder}, a folder above it)\n")
    endif()
  endforeach()
endforeach()
if(problems)
  message(FATAL_ERROR "Folders must depend one way (app -> menu -> session -> pictures -> "
                      "settings/media/input -> platform):\n${problems}")
endif()
