# Windows-side tests run through Wine: scripts/wine-run gives each run the build tree's own prefix,
# a private Xvfb display and no Wine debug noise.
set(QUORVANE_WINEPREFIX ${CMAKE_BINARY_DIR}/wineprefix CACHE PATH "Wine prefix of the test runs")
set(CMAKE_CROSSCOMPILING_EMULATOR ${PROJECT_SOURCE_DIR}/scripts/wine-run --prefix ${QUORVANE_WINEPREFIX})

# The Windows spelling of a Linux path as Wine shows it (drive Z: is the Linux root).
function(quorvane_wine_path out path)
  string(REPLACE "/" "\\" windows "${path}")
  set(${out} "Z:${windows}" PARENT_SCOPE)
endfunction()
