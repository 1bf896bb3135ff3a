# Lays out the sample product: one folder per catalogue archive, filled from the stand-ins and
# the sample program. Run as: cmake -DBIN=<win32 bin dir> -DOUT=<product dir> -DSOURCE=<this dir>
#   -P make_sample_product.cmake
cmake_minimum_required(VERSION 3.25)
foreach(var BIN OUT SOURCE)
  if(NOT DEFINED ${var})
    message(FATAL_ERROR "make_sample_product: ${var} is not set")
  endif()
endforeach()

# The main program must weigh over 1,000,000 bytes: the sample program with an overlay of
# pseudo-random bytes that do not compress, so that media of it fill more than one floppy.
set(VORTEL_SIZE 1100000)

file(REMOVE_RECURSE "${OUT}")
file(MAKE_DIRECTORY "${OUT}/EXE" "${OUT}/ROVANEL" "${OUT}/DBDAT/DATA" "${OUT}/DBNEW/NEW/DATA"
     "${OUT}/DBNEW/NEW/FIRMA" "${OUT}/DBNEW/NEW/LUNA" "${OUT}/BDE32" "${OUT}/HELP"
     "${OUT}/TESKARD")

function(copy_as from to)
  file(COPY_FILE "${BIN}/${from}" "${OUT}/${to}" ONLY_IF_DIFFERENT)
endfunction()

copy_as(SAMPLE.EXE EXE/VORTEL.EXE)
copy_as(SAMPLE.EXE EXE/MELDORA.EXE)
copy_as(HHUPD.EXE EXE/HHUPD.EXE)
copy_as(TREGSVR.EXE EXE/TREGSVR.EXE)
copy_as(CFX32.OCX EXE/CFX32.OCX)
copy_as(SAMPLE.EXE ROVANEL/ROVANEL.EXE)
copy_as(SAMPLE.EXE TESKARD/TESKARD.EXE)
copy_as(IDAPI32.DLL BDE32/IDAPI32.DLL)
file(COPY_FILE "${SOURCE}/bde.reg" "${OUT}/BDE32/bde.reg")

# Appends pseudo-random bytes that do not compress; perl writes them, CMake strings cannot.
function(append_noise path count seed)
  execute_process(
    COMMAND perl -e "open(my $f, '>>', $ARGV[0]) or die; binmode $f; srand($ARGV[2]); print $f pack('C*', map { int(rand(256)) } 1..$ARGV[1]); close $f or die;"
            "${OUT}/${path}" ${count} ${seed}
    RESULT_VARIABLE failed)
  if(failed)
    message(FATAL_ERROR "make_sample_product: perl could not write ${path}")
  endif()
endfunction()

file(SIZE "${OUT}/EXE/VORTEL.EXE" program_size)
math(EXPR padding "${VORTEL_SIZE} - ${program_size}")
append_noise(EXE/VORTEL.EXE ${padding} 1998)
file(SIZE "${OUT}/EXE/VORTEL.EXE" vortel_size)
if(vortel_size LESS_EQUAL 1000000)
  message(FATAL_ERROR "make_sample_product: VORTEL.EXE has only ${vortel_size} bytes")
endif()

# Tables: a header line naming the table, then numbered records.
function(table path name records)
  set(text "RidOZIZUZ sample table ${name}\r\n")
  foreach(i RANGE 1 ${records})
    string(APPEND text "${name};${i};record ${i} of ${name}\r\n")
  endforeach()
  file(WRITE "${OUT}/${path}" "${text}")
endfunction()

table(DBDAT/DATA/VORTEL.DB VORTEL 200)
table(DBDAT/DATA/FIRME.DB FIRME 120)
table(DBDAT/DATA/CONST.DB CONST 40)
table(DBNEW/NEW/DATA/VORTEL.DB VORTEL 20)
table(DBNEW/NEW/FIRMA/FIRME.DB FIRME 10)
table(DBNEW/NEW/LUNA/LUNA.DB LUNA 31)
table(HELP/VORTEL.HLP HELP 300)
# The help's pictures: enough that floppy media of the product need a third disk.
file(WRITE "${OUT}/HELP/VORTEL.GID" "")
append_noise(HELP/VORTEL.GID 1400000 1999)
