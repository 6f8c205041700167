# The program's resources on Windows: the VERSIONINFO resource made from the values of
# resources/VersionInfo.cmake, and the icon, compiled by the resource compiler (windres).
enable_language(RC)
include(${CMAKE_CURRENT_LIST_DIR}/VersionResource.cmake)

set(KEYLOOM_ICON_FILE "${CMAKE_CURRENT_LIST_DIR}/keyloom.ico")

function(keyloom_bind_windows_resources target)
  set(rc_file "${CMAKE_BINARY_DIR}/generated/resources/keyloom.rc")
  set(translation "${KEYLOOM_VERSION_LANGUAGE}${KEYLOOM_VERSION_CODE_PAGE}")
  keyloom_write_version_rc("${rc_file}"
    FILE_VERSION "${KEYLOOM_VERSION_FILE_VERSION}"
    ICON "${KEYLOOM_ICON_FILE}"
    TRANSLATIONS "${translation}"
    TABLE "${translation}"
      "CompanyName=${KEYLOOM_VERSION_COMPANY_NAME}"
      "FileDescription=${KEYLOOM_VERSION_FILE_DESCRIPTION}"
      "FileVersion=${KEYLOOM_VERSION_FILE_VERSION}"
      "LegalCopyright=${KEYLOOM_VERSION_LEGAL_COPYRIGHT}"
      "Comments=${KEYLOOM_VERSION_COMMENTS}"
      "ProductName=${KEYLOOM_VERSION_PRODUCT_NAME}"
      "OriginalFilename=${KEYLOOM_VERSION_ORIGINAL_FILENAME}${CMAKE_EXECUTABLE_SUFFIX}")
  set_property(SOURCE "${rc_file}" APPEND PROPERTY OBJECT_DEPENDS "${KEYLOOM_ICON_FILE}")
  target_sources(${target} PRIVATE "${rc_file}")
endfunction()
