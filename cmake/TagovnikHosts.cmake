# The hosts of the remote pages are build configuration. The defaults lie in the
# reserved .example domain, so that an unconfigured build never sends anybody to
# a real site that is not ours.
set(TAGOVNIK_HOST_INTL "www.orvalis.example" CACHE STRING "The maker's international site")
set(TAGOVNIK_HOST_CZ "www.orvalis-cz.example" CACHE STRING "The maker's national site")
set(TAGOVNIK_HOST_CZ_ALT "orvalis-cz.example" CACHE STRING "Second host form of the national site (tips page)")
set(TAGOVNIK_HOST_ONLINE "online.tagovnik.example" CACHE STRING "The on-line edition of the reference")
set(TAGOVNIK_HOST_VELMORA "www.velmora.example" CACHE STRING "The CSS project Velmora")

# A host goes verbatim into compiled-in addresses: accept host names, IPv4
# addresses and an optional port, nothing that could change an address's meaning.
foreach(host_var TAGOVNIK_HOST_INTL TAGOVNIK_HOST_CZ TAGOVNIK_HOST_CZ_ALT TAGOVNIK_HOST_ONLINE TAGOVNIK_HOST_VELMORA)
    if(NOT "${${host_var}}" MATCHES "^[A-Za-z0-9]([A-Za-z0-9.-]*[A-Za-z0-9])?(:[0-9]+)?$")
        message(FATAL_ERROR "${host_var} must be a host name with an optional port, not '${${host_var}}'")
    endif()
endforeach()
