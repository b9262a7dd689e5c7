# cmake -DNAME=user32 -DNM=... -DIMPLIB=.../libuser32.a -DOUT=user32.def -P make-delay-def.cmake
# Writes a module-definition file listing every function of the DLL's import library.
execute_process(COMMAND ${NM} ${IMPLIB} OUTPUT_VARIABLE symbols RESULT_VARIABLE failed)
if(failed)
  message(FATAL_ERROR "${NM} ${IMPLIB} failed")
endif()
string(REGEX MATCHALL "I __imp_[A-Za-z0-9_@?$]+" imports "${symbols}")
list(TRANSFORM imports REPLACE "^I __imp_" "")
list(REMOVE_DUPLICATES imports)
list(SORT imports)
list(JOIN imports "\n" body)
file(WRITE ${OUT} "LIBRARY ${NAME}.dll\nEXPORTS\n${body}\n")
