# Writes OUTPUT in sha256sum's format: each of FILES' sum and name, so that
# `sha256sum --check --ignore-missing SHA256SUMS` checks whichever of them lie beside it.
set(lines "")
foreach(file IN LISTS FILES)
    file(SHA256 ${file} sum)
    get_filename_component(name ${file} NAME)
    string(APPEND lines "${sum}  ${name}\n")
endforeach()
file(WRITE ${OUTPUT} "${lines}")
