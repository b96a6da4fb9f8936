# Writes worker.js into the page's folder (the working directory): the
# service worker for the page's FILES, its cache named by their hash.
#
#   cmake -DFILES="index.html;..." -P worker.cmake
set(hashes "")
set(quoted "")
foreach(file ${FILES})
  file(SHA256 ${file} hash)
  string(APPEND hashes ${hash})
  list(APPEND quoted "'${file}'")
endforeach()
string(SHA256 PAGE_HASH "${hashes}")
list(JOIN quoted ", " PAGE_FILES)
configure_file(${CMAKE_CURRENT_LIST_DIR}/worker.js.in worker.js @ONLY)
