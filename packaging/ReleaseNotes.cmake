# packaging/release-notes.txt is the one list of what each version brought:
#   3.1.0 2026-12-10
#   - one change, its lines
#     indented below it
# It is shipped as the upstream changelog and turned here into the AppStream
# <release> elements, newest first as the file has them.
function(parlow_release_notes_xml notes out)
  file(STRINGS ${notes} lines)
  set(xml "")
  set(open_release FALSE)
  set(item "")
  foreach(line IN LISTS lines)
    string(REPLACE "&" "&amp;" line "${line}")
    string(REPLACE "<" "&lt;" line "${line}")
    string(REPLACE ">" "&gt;" line "${line}")
    if(line MATCHES "^([0-9][^ ]*) ([0-9]+-[0-9]+-[0-9]+)$")
      _parlow_close_item()
      if(open_release)
        string(APPEND xml "        </ul>\n      </description>\n    </release>\n")
      endif()
      string(APPEND xml "    <release version=\"${CMAKE_MATCH_1}\" date=\"${CMAKE_MATCH_2}\">\n"
                        "      <description>\n        <ul>\n")
      set(open_release TRUE)
    elseif(line MATCHES "^- (.*)$")
      _parlow_close_item()
      set(item "${CMAKE_MATCH_1}")
    elseif(line MATCHES "^ +(.*)$")
      string(APPEND item " ${CMAKE_MATCH_1}")
    endif()
  endforeach()
  _parlow_close_item()
  if(open_release)
    string(APPEND xml "        </ul>\n      </description>\n    </release>\n")
  endif()
  set(${out} "${xml}" PARENT_SCOPE)
endfunction()

macro(_parlow_close_item)
  if(NOT item STREQUAL "")
    string(APPEND xml "          <li>${item}</li>\n")
    set(item "")
  endif()
endmacro()
