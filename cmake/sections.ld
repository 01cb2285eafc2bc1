/* The program in three sections, so that its headers fit the first
   512-byte block of the file and little is lost to padding:

     .text   code and the read-only import tables;
     .rsrc   resources first (the resource directory is the section's
             start), then the import address table, the constants and the
             variables, writable and not executable;
     .reloc  base relocations, for ASLR.

   ld finds the import directory by the symbols .idata$2 (start) and
   .idata$4 (end), and the import address table by .idata$5 (start) and
   .idata$6 (end); it reads them as image-relative addresses. It finds the
   resource and relocation directories by the section names.

   The import lookup tables (.idata$4) are left out: each DLL's entry then
   says 0 for its lookup table, and the loader reads the names from the
   import address table itself, which holds the same entries until it
   fills them in (as it has done for programs of linkers without lookup
   tables since the first Windows NT). That is 4 bytes an import. The
   constants go with the variables so that the two sections end close to
   a block each.  */
SECTIONS
{
  . = SIZEOF_HEADERS;
  . = ALIGN(__section_alignment__);
  .text __image_base__ + __section_alignment__ :
  {
    *(.text) *(SORT(.text$*)) *(.text.*)
    . = ALIGN(4);
    ".idata$2" = ABSOLUTE(. - __image_base__);
    KEEP (SORT(*)(.idata$2))
    KEEP (SORT(*)(.idata$3))
    LONG (0); LONG (0); LONG (0); LONG (0); LONG (0);  /* ends the list */
    ".idata$4" = ABSOLUTE(. - __image_base__);
    KEEP (SORT(*)(.idata$6))
    KEEP (SORT(*:*t.o)(.idata$7))
  }
  .rsrc BLOCK(__section_alignment__) :
  {
    KEEP (*(.rsrc))
    KEEP (*(.rsrc$*))
    . = ALIGN(8);
    ".idata$5" = ABSOLUTE(. - __image_base__);
    KEEP (SORT(*)(.idata$5))
    ".idata$6" = ABSOLUTE(. - __image_base__);
    *(.rdata) *(SORT(.rdata$*)) *(.rdata.*)
    *(.data) *(.data.*) *(SORT(.data$*))
    *(.bss) *(.bss.*) *(COMMON)
  }
  .reloc BLOCK(__section_alignment__) :
  {
    *(.reloc)
  }
  /DISCARD/ :
  {
    *(.drectve) *(.note.GNU-stack) *(.gnu.lto_*) *(.debug*) *(.comment)
    *(.idata$7) *(.idata$4)
  }
}
