# The fuzz targets, one per reader: name, target file, the module it drives.
# The fuzz build makes libFuzzer programs of them, the test suite replays their
# checks on the seeds. A reader joins with one line here, its target file, a
# seed folder corpus/<name> and, where its format has words, dict/<name>.dict.
set(KURVIX_FUZZ_TARGETS
  "data_file DataFileFuzz.cpp kurvix_data"
  "number NumberFuzz.cpp kurvix_data"
  "formula FormulaFuzz.cpp kurvix_ops"
  "bitmap BitmapFuzz.cpp kurvix_editor"
  "jpeg JpegFuzz.cpp kurvix_editor"
  "script ScriptFuzz.cpp kurvix_commands"
  "paste PasteFuzz.cpp kurvix_commands"
  "follow FollowFuzz.cpp kurvix_data")

# Calls function(name source module) for every target.
macro(kurvix_for_each_fuzz_target function)
  foreach(entry IN LISTS KURVIX_FUZZ_TARGETS)
    separate_arguments(fields UNIX_COMMAND "${entry}")
    cmake_language(CALL ${function} ${fields})
  endforeach()
endmacro()
