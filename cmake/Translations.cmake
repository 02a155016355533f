# The languages the editor ships besides English, and the .ts files of one
# catalog (translations/STEM_LANG.ts) in all of them, set to compile into
# the build's translations/ folder beside the artwork.
set(QV_LANGUAGES de fr es it pt_BR zh_CN ja)

function(qv_translation_files out stem)
  set(files)
  foreach(language ${QV_LANGUAGES})
    list(APPEND files ${PROJECT_SOURCE_DIR}/translations/${stem}_${language}.ts)
  endforeach()
  set_source_files_properties(${files} PROPERTIES
                              OUTPUT_LOCATION ${CMAKE_RUNTIME_OUTPUT_DIRECTORY}/translations)
  set(${out} ${files} PARENT_SCOPE)
endfunction()
