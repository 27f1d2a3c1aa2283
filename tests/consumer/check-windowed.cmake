# Checks a built Windows program as its user meets it: a windowed one (the GUI subsystem, so no
# console opens beside it) and, when MAX_BYTES is given, no bigger than that.
#   cmake -DPROGRAM=file.exe [-DMAX_BYTES=n] -P check-windowed.cmake

# The little-endian number of `count` bytes at `offset` of the program.
function(read_number offset count out)
  file(READ "${PROGRAM}" hex OFFSET ${offset} LIMIT ${count} HEX)
  set(big_endian "")
  math(EXPR last "${count} * 2 - 2")
  foreach(at RANGE 0 ${last} 2)
    string(SUBSTRING "${hex}" ${at} 2 byte)
    string(PREPEND big_endian "${byte}")
  endforeach()
  math(EXPR value "0x${big_endian}")
  set(${out} ${value} PARENT_SCOPE)
endfunction()

# The PE header's place is at 0x3C; the subsystem follows its signature (4 bytes), the file
# header (20) and 68 bytes of the optional header, the same in 32- and 64-bit programs.
read_number(60 4 header)
math(EXPR subsystem_at "${header} + 4 + 20 + 68")
read_number(${subsystem_at} 2 subsystem)
if(NOT subsystem EQUAL 2)
  message(FATAL_ERROR "${PROGRAM}: subsystem ${subsystem}, not the windows subsystem (2): a console opens "
                      "beside the program")
endif()
if(DEFINED MAX_BYTES)
  file(SIZE "${PROGRAM}" size)
  if(size GREATER MAX_BYTES)
    message(FATAL_ERROR "${PROGRAM}: ${size} bytes, more than ${MAX_BYTES}")
  endif()
endif()
