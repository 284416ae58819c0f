# Where the README is cut into the packages' user's guide.
# find_readme_cuts(<variable holding the README>) sets, in the caller,
# where each heading the cut relies on begins: intro_end ("## Starting
# it"), guide_begin ("## Working a survey"), guide_end ("## For
# developers"), windows_begin ("### On Windows") and checking_begin ("###
# Checking a download"). A heading that is not there (one renamed, say)
# stops CMake with its name, so that the guide never takes the wrong part.

function(readme_heading text_variable heading out)
  string(FIND "${${text_variable}}" "\n${heading}\n" at)
  if(at EQUAL -1)
    message(FATAL_ERROR "README.md has no heading \"${heading}\", where the packages' user's guide "
                        "is cut from it: give the heading back, or cut at the new one "
                        "(${CMAKE_CURRENT_FUNCTION_LIST_FILE}).")
  endif()
  set(${out} ${at} PARENT_SCOPE)
endfunction()

# Names, not texts, go in: a macro's argument is read again as code.
macro(find_readme_cuts text_variable)
  readme_heading(${text_variable} "## Starting it" intro_end)
  readme_heading(${text_variable} "## Working a survey" guide_begin)
  readme_heading(${text_variable} "## For developers" guide_end)
  readme_heading(${text_variable} "### On Windows" windows_begin)
  readme_heading(${text_variable} "### Checking a download" checking_begin)
endmacro()
