# Where an installed Veltrix puts its files, below any prefix. The programs find their
# private library through an RPATH relative to themselves, so the installed tree can be moved.
set(VELTRIX_PRIVATE_LIBDIR lib/veltrix)

set_target_properties(veltrix-list PROPERTIES INSTALL_RPATH "$ORIGIN/../${VELTRIX_PRIVATE_LIBDIR}")
install(TARGETS veltrix-list RUNTIME DESTINATION ${CMAKE_INSTALL_BINDIR})
if(TARGET veltrix)
  set_target_properties(veltrix PROPERTIES INSTALL_RPATH "$ORIGIN/../${VELTRIX_PRIVATE_LIBDIR}")
endif()
install(TARGETS hpmidifile LIBRARY DESTINATION ${VELTRIX_PRIVATE_LIBDIR} NAMELINK_SKIP)

set(VELTRIX_DATA ${PROJECT_SOURCE_DIR}/data)
install(FILES ${VELTRIX_DATA}/veltrix.desktop DESTINATION ${CMAKE_INSTALL_DATADIR}/applications)
install(FILES ${VELTRIX_DATA}/veltrix.xml DESTINATION ${CMAKE_INSTALL_DATADIR}/mime/packages)
install(FILES ${VELTRIX_DATA}/icons/veltrix.svg
        DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/scalable/apps)
foreach(size 48 128 256)
  install(FILES ${VELTRIX_DATA}/icons/veltrix-${size}.png
          DESTINATION ${CMAKE_INSTALL_DATADIR}/icons/hicolor/${size}x${size}/apps
          RENAME veltrix.png)
endforeach()
