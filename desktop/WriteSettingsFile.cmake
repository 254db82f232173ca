# Writes the shipped Vellumix.conf from the program's own table of keys:
# cmake -DPROGRAM=<vellumix> -DOUTPUT=<file> -P WriteSettingsFile.cmake
execute_process(COMMAND ${PROGRAM} --print-settings-file OUTPUT_FILE ${OUTPUT}
                RESULT_VARIABLE result)
if(NOT result EQUAL 0)
  message(FATAL_ERROR "${PROGRAM} --print-settings-file failed: ${result}")
endif()
